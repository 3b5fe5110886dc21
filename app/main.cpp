#include "app/Frm_login.h"
#include "app/Startup.h"
#include "app/WindowClasses.h"
#include "controls/Forms.h"
#include "data/BankError.h"
#include "data/BankFile.h"
#include "platform/MessageBox.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::prepare(app);
    WindowClasses::connect();
    try {
        Forms<Frm_login>::show();
    } catch (const BankError &error) {
        MessageBox::show(nullptr, QStringLiteral("题库打开失败，程序将退出。\n\n%1").arg(error.message()),
                         QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Critical);
        return 1;
    }
    return app.exec();
}
