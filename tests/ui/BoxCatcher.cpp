#include "BoxCatcher.h"

#include <QAbstractButton>
#include <QApplication>

BoxCatcher::BoxCatcher()
{
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { look(); });
    poll_.start();
}

void BoxCatcher::look()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible())
        return;
    seen_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                     box->windowModality()});
    box->button(QMessageBox::Ok)->click();
}
