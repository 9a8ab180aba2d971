#pragma once

// The desktop program: the application object, its windows in their order, the message loop.
int runCorvalen(int argc, char** argv);
