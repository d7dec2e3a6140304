#include "fake_face.h"

#include "lesson/layout.h"
#include "lesson/utf.h"

#include <cstdio>
#include <cstdlib>

namespace godo::test {

namespace {

const ControlLayout& listLayout() { return windowLayout()[Control::keturon]; }

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
            face.field = toUtf16(action.substr(5));
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
