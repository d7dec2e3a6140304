#pragma once

#include <QString>

#include <stdexcept>

class QWidget;

namespace godo {

// Printing failed; the message, in Japanese, says why and that nothing was printed.
class PrintError : public std::runtime_error {
public:
    explicit PrintError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// Prints an image of the whole window on the system's default printer, without
// a dialog: in colour, scaled to fit the printable area with its aspect ratio
// kept, centred. Throws PrintError when there is no default printer, when the
// printer cannot be opened, or when the page fails.
void printWindow(QWidget& window);

} // namespace godo
