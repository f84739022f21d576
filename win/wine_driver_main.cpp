// quillomar_wine: plays scenario files against the shipped Quillomar.asi in the stand-in host.

#include "wine_driver.h"

int main(int argc, char** argv) { return QuillomarWineMain(argc, argv); }
