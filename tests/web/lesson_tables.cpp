// The lesson's tables as JSON on standard output, each row's steps read into
// single actions, for the walks of the page in each browser engine (the same
// rows the window's code and the Qt window are walked through), and the
// window's size in pixels, the figure's pens by name and where ｎ crosses ｌ
// and ｍ, for the checks of the page's and the screenshots' sizes, colours and
// places.

#include "core/lesson_rows.h"
#include "core/pupil.h"
#include "draw/palette.h"
#include "lesson/layout.h"
#include "model/figure_state.h"
#include "lesson/utf.h"
#include "web/json_text.h"

#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

using godo::web::JsonText;
using godo::test::PupilAction;

void member(JsonText& j, const char* name, long value)
{
    j.key(name);
    j.integer(value);
    j.out += ',';
}

bool actions(JsonText& j, const std::vector<std::string>& steps)
{
    std::vector<PupilAction> list;
    if (!godo::test::toActions(steps, list))
        return false;
    j.key("actions");
    j.array(list, [&j](const PupilAction& a) {
        static constexpr const char* kinds[] = {"click", "choose", "key", "type"};
        j.out += '{';
        j.key("kind");
        j.text(std::string_view(kinds[static_cast<int>(a.kind)]));
        j.out += ',';
        j.key("control");
        j.text(std::string_view(a.control));
        j.out += ',';
        member(j, "entry", a.entry);
        j.key("key");
        j.text(std::string_view(a.key));
        j.out += ',';
        j.key("text");
        j.text(std::u16string_view(godo::toUtf16(a.text)));
        j.out += '}';
    });
    j.out += ',';
    return true;
}

} // namespace

int main()
{
    JsonText j;
    bool ok = true;
    j.out += '{';
    j.key("window");
    j.out += '{';
    member(j, "width", godo::twipsToPixels(godo::windowLayout().width));
    j.key("height");
    j.integer(godo::twipsToPixels(godo::windowLayout().height));
    j.out += "},";
    // The figure's pens by the colour they have in the standard scheme.
    j.key("pens");
    j.out += '{';
    member(j, "cyan", godo::kBackground);
    member(j, "blue", godo::kLightBlue);
    member(j, "green", godo::kLightGreen);
    member(j, "red", godo::kLightRed);
    member(j, "yellow", godo::kLightYellow);
    j.key("white");
    j.integer(godo::kBrightWhite);
    j.out += "},";
    // Ｐ and Ｑ at every angle of ｎ that crosses ｌ and ｍ, by the native
    // core's rule, for the walks that turn it further than the tables do.
    j.key("crossings");
    j.out += '{';
    godo::FigureState s;
    s.reset();
    for (s.kakudo = 5; s.kakudo <= 170; s.kakudo += 5) {
        if (!godo::nCrossesLAndM(s))
            continue;
        j.key(std::to_string(s.kakudo));
        std::vector<int> pq{godo::intersectionX(s, s.Yl), godo::intersectionX(s, s.Ym)};
        j.array(pq, [&j](int x) { j.integer(x); });
        j.out += ',';
    }
    j.out.back() = '}';
    j.out += ',';
    j.key("controls");
    j.array(godo::test::kLessonControls, [&j](const char* name) { j.text(std::string_view(name)); });
    j.out += ',';
    j.key("lesson");
    j.array(godo::test::lessonRows(), [&](const godo::test::LessonRow& r) {
        j.out += '{';
        j.key("name");
        j.text(std::string_view(r.name));
        j.out += ',';
        ok = actions(j, r.steps) && ok;
        using Field = std::pair<const char*, int>;
        for (const auto& [name, value] : std::initializer_list<Field>{{"kakudo", r.kakudo}, {"fKatei", r.fKatei},
                                          {"fSankaku", r.fSankaku}, {"fHenkaku", r.fHenkaku},
                                          {"fGodo", r.fGodo}, {"nKeturon", r.nKeturon}, {"Px", r.Px},
                                          {"Qx", r.Qx}})
            member(j, name, value);
        j.key("field");
        j.text(r.field);
        j.out += ',';
        j.key("flags");
        j.text(std::string_view(r.flags));
        j.out += '}';
    });
    j.out += ',';
    j.key("turning");
    j.array(godo::test::turningRows(), [&](const godo::test::TurningRow& r) {
        j.out += '{';
        j.key("name");
        j.text(std::string_view(r.name));
        j.out += ',';
        ok = actions(j, godo::test::turningSteps(r)) && ok;
        member(j, "kakudo", r.kakudo);
        member(j, "Px", r.Px);
        j.key("Qx");
        j.integer(r.Qx);
        j.out += '}';
    });
    j.out += "}\n";
    std::fwrite(j.out.data(), 1, j.out.size(), stdout);
    return ok ? 0 : 1;
}
