# Writes the installer's lists of the program folder STAGE into the NSIS
# header OUT: the files to remove, deepest folders first, and the examples
# whose installed time is remembered (an example saved over stays):
#   cmake -DSTAGE=DIR -DOUT=FILE -P installer_lists.cmake
file(GLOB_RECURSE files RELATIVE "${STAGE}" "${STAGE}/*")
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${STAGE}" "${STAGE}/*")
set(folders)
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${STAGE}/${entry}")
    list(APPEND folders "${entry}")
  endif()
endforeach()
list(SORT files)
# Reverse order puts every folder after the folders inside it.
list(SORT folders)
list(REVERSE folders)

set(key "\${UNINSTALL_KEY}\\Examples")
set(remember "!macro ORVANE_REMEMBER_EXAMPLES\n")
set(remove "!macro ORVANE_REMOVE_FILES\n")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" windows "${file}")
  if(file MATCHES "^Projects/")
    string(APPEND remember "  GetFileTime \"$INSTDIR\\${windows}\" $0 $1\n"
                           "  WriteRegStr HKLM \"${key}\" \"${windows}\" \"$0 $1\"\n")
    string(APPEND remove "  ReadRegStr $2 HKLM \"${key}\" \"${windows}\"\n"
                         "  GetFileTime \"$INSTDIR\\${windows}\" $0 $1\n"
                         "  StrCmp $2 \"$0 $1\" 0 +2\n"
                         "  Delete \"$INSTDIR\\${windows}\"\n")
  else()
    string(APPEND remove "  Delete \"$INSTDIR\\${windows}\"\n")
  endif()
endforeach()
string(APPEND remember "!macroend\n")
string(APPEND remove "!macroend\n")
set(rmdirs "!macro ORVANE_REMOVE_FOLDERS\n")
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" windows "${folder}")
  string(APPEND rmdirs "  RMDir \"$INSTDIR\\${windows}\"\n")
endforeach()
string(APPEND rmdirs "!macroend\n")
file(WRITE "${OUT}" "; Made by packaging/windows/installer_lists.cmake from ${STAGE}\n"
                    "${remember}${remove}${rmdirs}")
