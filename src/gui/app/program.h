// The program's entry, shared by both flavours.
#pragma once

int RunProgram(int argc, char** argv);

// The organisation and program names that QSettings files what each program keeps
// between sessions under: one set per program, so the two never share window places.
void SetProgramNames();
