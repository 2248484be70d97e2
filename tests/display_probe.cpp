// Opens the display as the application does, then names the platform it got.
// display_test runs it with the environments where the application must
// start.

#include "runtime.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char** argv)
{
    corvanta::Runtime::Init(argc, argv);
    std::cout << "platform=" << QGuiApplication::platformName().toStdString() << std::endl;
    return 0;
}
