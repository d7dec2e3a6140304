#pragma once
// What the window's code needs of a face (the Qt window, the browser page),
// and nothing more. A face shows what the lesson asks and reports what the
// pupil does (see Form1); it holds no lesson logic of its own.

#include "draw/surface.h"
#include "lesson/controls.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace godo {

// Printing failed; the message, in Japanese, says why and whether anything
// was printed.
class PrintError : public std::runtime_error {
public:
    explicit PrintError(std::u16string message)
        : std::runtime_error("printing failed"), message_(std::move(message)) {}
    const std::u16string& message() const { return message_; }

private:
    std::u16string message_;
};

class Face {
public:
    virtual ~Face() = default;

    // A disabled control is shown dimmed and raises no events.
    virtual void setEnabled(Control control, bool enabled) = 0;

    // The text of keturon's field.
    virtual std::u16string keturonText() const = 0;
    virtual void setKeturonText(std::u16string_view text) = 0;

    virtual void setCaption(std::u16string_view caption) = 0;

    // The picture area's drawing surface.
    virtual Surface& gamen() = 0;
    // What the figure shows after a draw pass, for screen readers.
    virtual void setFigureDescription(std::u16string_view description) = 0;

    // Prints the whole window on the default printer; throws PrintError.
    virtual void printWindow() = 0;
    // Ends the program.
    virtual void end() = 0;
    // Shows a message; does not wait for it to be read.
    virtual void showMessage(std::u16string_view message) = 0;
};

} // namespace godo
