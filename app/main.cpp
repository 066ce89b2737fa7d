#include "Application.h"
#include "Printer.h"
#include "Tavelo1.h"
#include "tavelo6.h"

#include <QIcon>

int main(int, char **argv)
{
    // Qt is handed the program's name only: no option on the command line
    // changes the program.
    int argc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    TApplication application(argc, qtArgv);
    application.setWindowIcon(QIcon(QStringLiteral(":/icons/org.tavelo.Tavelo.svg")));

    TForm1 form1(Printer());
    TForm6 form6(form1);
    form1.SetStaveWidthWindow(form6);
    form1.show();
    return application.exec();
}
