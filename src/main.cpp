#include "Application.h"
#include "Main.h"

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TFormMain window;
    window.show();
    return app.exec();
}
