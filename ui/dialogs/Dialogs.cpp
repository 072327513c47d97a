// Placeholder bodies until the secondary windows arrive; the main window can already call them.
#include "Dialogs.h"

#include <QWidget>

namespace ui {

class frmConstants : public QWidget
{
};
class frmEquiv : public QWidget
{
};
class frmUser : public QWidget
{
};
class frmInfo : public QWidget
{
};

Dialogs::Dialogs(DialogContext ctx)
    : m_ctx(std::move(ctx))
{
}

Dialogs::~Dialogs() = default;

void Dialogs::showConstants() { }
void Dialogs::showEquiv() { }
void Dialogs::showUser() { }
void Dialogs::showAbout() { }
void Dialogs::captureConstantsPosition() { }

} // namespace ui
