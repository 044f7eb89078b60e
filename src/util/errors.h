#pragma once

#include <QString>
#include <stdexcept>

namespace harbex {

// An error raised by a routine that the calling operation reports to the user.
class HarbexError : public std::runtime_error {
  public:
    explicit HarbexError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace harbex
