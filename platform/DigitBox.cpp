#include "platform/DigitBox.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace gw::platform {

void makeDigitsOnly(QLineEdit& box) {
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    box.setValidator(new QRegularExpressionValidator(digits, &box));
}

} // namespace gw::platform
