#include "cli/usage.h"

namespace orv::cli {

const char* CommandLineUsage() {
  return "usage:\n"
         "  orvane                                          the desktop program\n"
         "  orvane PROJECT.orv                              the desktop program with that project\n"
         "  orvane calc PROJECT.orv [options]               results of every support, no spreadsheet\n"
         "  orvane report PROJECT.orv -o OUT.xls [options]  the spreadsheet report\n"
         "  orvane climate PROJECT.orv --from FILE.dtr -o OUT.orv\n"
         "                                                  take over the climate of a Dastrel project\n"
         "  orvane catalog import TEXT.txt -o FILE.dat      build a catalogue file from the exchange text\n"
         "  orvane catalog export FILE.dat -o TEXT.txt      write the exchange text of a catalogue file\n"
         "  orvane diagram PROJECT.orv --support NUMBER -o OUT.png|OUT.svg\n"
         "                                                  the swing diagram of one support\n"
         "  orvane profile PROJECT.orv -o OUT.png|OUT.svg   the line profile\n"
         "  orvane --help | --version\n"
         "options:\n"
         "  --catalog FILE      wire catalogue file (default: the catalogue the desktop program uses)\n"
         "  --lang en|ru        language of texts and template (default: the stored setting)\n"
         "  --units daN|N       units of the report and of calc's table; JSON and CSV keep daN\n"
         "                      (default: the stored setting)\n"
         "  --format text|json|csv\n"
         "                      calc only: a readable table (default), JSON, or CSV (RFC 4180, UTF-8 with a\n"
         "                      byte order mark; a text beginning with = + - @ gets a leading ')\n"
         "  --no-bom            calc --format csv only: no byte order mark, for scripts\n"
         "  --explain           calc only: add how each result was reached (governing state, ...)\n"
         "  --open              report only: open the finished report\n";
}

}  // namespace orv::cli
