#include "platform/DigitBox.h"

#include <QEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace gw::platform {

void makeDigitsOnly(QLineEdit& box)
{
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    box.setValidator(new QRegularExpressionValidator(digits, &box));
}

namespace {
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto* box = static_cast<QLineEdit*>(watched);
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        return false;
    }
};
} // namespace

void selectAllOnEntry(QLineEdit& box) { box.installEventFilter(new SelectAllOnFocus(&box)); }

} // namespace gw::platform
