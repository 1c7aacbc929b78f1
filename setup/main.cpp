#include <QApplication>

#include "startup.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    return pecunor::runProgram(QApplication::arguments());
}
