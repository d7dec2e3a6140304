#include "fake_face.h"

#include "lesson/layout.h"
#include "lesson/utf.h"

#include <cstdio>

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

void LessonDriver::show(int entry)
{
    face.entry = entry;
    face.field = listLayout().entries[static_cast<std::size_t>(entry)];
    form.chosen();
}

bool LessonDriver::choose(int entry)
{
    if (entry < 1 || entry > static_cast<int>(listLayout().entries.size()) || !face.isEnabled(Control::keturon))
        return false;
    show(entry - 1);
    return true;
}

bool LessonDriver::key(const std::string& key)
{
    const int next = face.entry + (key == "ArrowDown" ? 1 : -1);
    if (face.isEnabled(Control::keturon) && next >= 0 && next < static_cast<int>(listLayout().entries.size()))
        show(next);
    return key == "ArrowDown" || key == "ArrowUp";
}

bool LessonDriver::type(const std::string& text)
{
    if (face.isEnabled(Control::keturon))
        face.field = toUtf16(text);
    return true;
}

const ControlLayout* controlNamed(std::string_view name)
{
    for (const ControlLayout& c : windowLayout().controls)
        if (c.name == name)
            return &c;
    std::fprintf(stderr, "no control named %.*s\n", static_cast<int>(name.size()), name.data());
    return nullptr;
}

bool LessonDriver::click(const std::string& control)
{
    const ControlLayout* c = controlNamed(control);
    if (c)
        form.clicked(c->id);
    return c;
}

std::string LessonDriver::flags() const
{
    std::string out;
    for (const char* name : kLessonControls)
        out += face.isEnabled(controlNamed(name)->id) ? '1' : '0';
    return out;
}

} // namespace godo::test
