#include "ui/AlertPresentation.h"

#include <QLabel>

QMessageBox::Icon AlertPresentation::icon(AlertIcon icon)
{
    switch (icon) {
    case AlertIcon::information:
        return QMessageBox::Information;
    case AlertIcon::question:
        return QMessageBox::Question;
    case AlertIcon::warning:
        return QMessageBox::Warning;
    }
    return QMessageBox::Information;
}

void AlertPresentation::emphasiseMessage(QMessageBox& box)
{
    // Qt's message box names its main label; without details there is nothing to set it off from.
    auto* message = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (message == nullptr || box.informativeText().isEmpty()) {
        return;
    }
    QFont font = message->font();
    font.setWeight(QFont::DemiBold);
    font.setPointSizeF(font.pointSizeF() * 1.08);
    message->setFont(font);
}
