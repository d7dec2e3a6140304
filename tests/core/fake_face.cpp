#include "fake_face.h"

#include "lesson/layout.h"

#include <cstdio>
#include <cstdlib>

namespace godo::test {

namespace {

const ControlLayout& listLayout() { return windowLayout()[Control::keturon]; }

std::u16string utf16(const std::string& utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t c = b;
        int extra = 0;
        if (b >= 0xF0) { c = b & 0x07; extra = 3; }
        else if (b >= 0xE0) { c = b & 0x0F; extra = 2; }
        else if (b >= 0xC0) { c = b & 0x1F; extra = 1; }
        for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += 1 + extra;
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

} // namespace

void FakeFace::setKeturonText(std::u16string_view text)
{
    // As a combo box does: the entry with that text becomes the current one.
    const auto& entries = listLayout().entries;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == text)
            entry = static_cast<int>(i);
    field = text;
}

void FakeFace::printWindow()
{
    if (printFailure)
        throw PrintError(*printFailure);
    ++prints;
}

bool LessonDriver::step(const std::string& action)
{
    const auto& entries = listLayout().entries;
    if (action.rfind("pick:", 0) == 0) {
        const int n = std::atoi(action.c_str() + 5);
        if (n < 1 || n > static_cast<int>(entries.size()) || !face.isEnabled(Control::keturon))
            return false;
        face.entry = n - 1;
        face.field = entries[static_cast<std::size_t>(n - 1)];
        form.chosen();
        return true;
    }
    if (action == "down" || action == "up") {
        // The closed list steps to the next or previous entry at once, and
        // does nothing at its ends or while it is disabled.
        const int next = face.entry + (action == "down" ? 1 : -1);
        if (face.isEnabled(Control::keturon) && next >= 0 && next < static_cast<int>(entries.size())) {
            face.entry = next;
            face.field = entries[static_cast<std::size_t>(next)];
            form.chosen();
        }
        return true;
    }
    if (action.rfind("type:", 0) == 0) {
        if (face.isEnabled(Control::keturon))
            face.field = utf16(action.substr(5));
        return true;
    }
    for (const ControlLayout& c : windowLayout().controls) {
        if (c.name == action) {
            form.clicked(c.id);
            return true;
        }
    }
    return false;
}

bool LessonDriver::run(const std::vector<std::string>& steps)
{
    for (const std::string& s : steps) {
        std::string action = s;
        int times = 1;
        if (const auto star = s.find('*'); star != std::string::npos) {
            action = s.substr(0, star);
            times = std::atoi(s.c_str() + star + 1);
        }
        for (int i = 0; i < times; ++i) {
            if (!step(action)) {
                std::fprintf(stderr, "step %s failed\n", s.c_str());
                return false;
            }
        }
    }
    return true;
}

std::string LessonDriver::flags() const
{
    std::string out;
    for (Control c : {Control::katei, Control::hidari, Control::migi, Control::keturon, Control::sankaku,
                      Control::henkaku, Control::godo})
        out += face.isEnabled(c) ? '1' : '0';
    return out;
}

} // namespace godo::test
