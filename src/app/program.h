// The program's entry, shared by both flavours.
#pragma once

int RunProgram(int argc, char** argv);
