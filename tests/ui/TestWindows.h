#pragma once

#include "Printer.h"
#include "Tavelo1.h"
#include "tavelo6.h"

// Both windows as the program makes them, on the program's one printer.
struct TestWindows {
    TForm1 form1{Printer()};
    TForm6 form6{form1};

    TestWindows() { form1.SetStaveWidthWindow(form6); }
};
