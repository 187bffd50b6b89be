#pragma once

#include <string>
#include <vector>

namespace orv::cli {

// Refuses, before anything is written, an output that is one of the
// command's inputs, however it is spelled ("./p.orv", a symbolic link or a
// hard link to it): writing it would destroy the input. The program's own
// inputs count among every command's: the four report templates, and,
// unless the output is itself a catalogue, the shipped catalogue in the
// program folder and the catalogue the desktop program works with; a report
// written over a template would break every later report. Throws OrvError
// naming both; inputs that are empty or do not exist are passed over.
enum class TOutputKind { Other, Catalogue };
void RefuseOutputOverInputs(const std::string& output, const std::vector<std::string>& inputs,
                            TOutputKind kind = TOutputKind::Other);

}  // namespace orv::cli
