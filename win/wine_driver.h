#pragma once
// The Wine driver's command line, run inside the stand-in host's DLL, where the simulated game
// lives; the driver program only hands it its arguments.

extern "C" int QuillomarWineMain(int argc, char** argv);
