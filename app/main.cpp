#include "controls/tapplication.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    return app.RunProtected([] {
        Application->Initialize();
        Application->setTitle(QStringLiteral("Bitovka"));
        Application->CreateForm(Form1);
        Application->CreateForm(Form2);
        Application->Run();
    });
}
