// Saves a picture of each secondary window, to look at the layout: dialog_shots <directory> [hold-ms].
// With a hold time the windows stay up that long, for a look with the desktop's own tools.
#include "Harness.h"
#include "ui/dialogs/frmConstants.h"
#include "ui/dialogs/frmEquiv.h"
#include "ui/dialogs/frmInfo.h"
#include "ui/dialogs/frmUser.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    test::Harness h;
    h.user.UserGrpName[0] = "Fuel consumption";
    h.user.UserUnitName[0][0] = "km/l";
    h.user.UserCoefText[0][0] = "1";
    h.user.UserUnitName[0][1] = "mpg (US)";
    h.user.UserCoefText[0][1] = "0.425144";
    h.user.UserUnitName[0][2] = "degree Celsius";
    h.user.UserCoefText[0][2] = "1";
    h.user.UserOffsetText[0][2] = "273.15";
    auto ctx = h.context();
    bool ok = true;
    auto shoot = [&](QWidget *w, const char *name) {
        w->show();
        QApplication::processEvents();
        ok = w->grab().save(out.filePath(QString::fromUtf8(name))) && ok;
    };

    ui::frmUser user(ctx);
    user.Form_Load();
    user.txtUserCoef[3]->setText(QStringLiteral("1.8;3x"));
    shoot(&user, "frmUser.png");

    ui::frmConstants constants(ctx);
    constants.Form_Load();
    constants.List3->setCurrentRow(5);
    shoot(&constants, "frmConstants.png");
    constants.cmdNext_Click();
    shoot(&constants, "frmConstants2.png");

    ui::frmEquiv equiv(ctx);
    equiv.Form_Load();
    equiv.List1->setCurrentRow(7);
    shoot(&equiv, "frmEquiv.png");

    ui::frmInfo info(ctx);
    info.Form_Load();
    for (int i = 0; i < 45; ++i)
        info.Timer1_Timer();
    shoot(&info, "frmInfo.png");
    if (argc > 2) {
        QTimer::singleShot(QString::fromLocal8Bit(argv[2]).toInt(), &app, &QApplication::quit);
        app.exec();
    }
    return ok ? 0 : 1;
}
