#pragma once

#include <QDateTime>

namespace harbex {

// The local date and time; tests install a settable clock.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
    QDate today() const { return now().date(); }
    QTime timeOfDay() const { return now().time(); }
};

}  // namespace harbex
