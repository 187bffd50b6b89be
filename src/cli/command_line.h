#pragma once

// Runs `orvane COMMAND ...`; returns the process exit status
// (0 done, 1 the data or a file made the job impossible, 2 wrong usage).
int RunCommandLine(int argc, char** argv);
