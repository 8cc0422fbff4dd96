#pragma once

// Runs the program: creates the application and its windows, then the event
// loop. Returns the process exit code.
int ProgramMain(int argc, char** argv);
