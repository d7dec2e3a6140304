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
#include "lesson/utf.h"
#include "model/figure_state.h"
#include "web/json_text.h"

#include <cstdio>

namespace {

using godo::web::JsonText;
using godo::test::PupilAction;

// One JSON object's members, each written after its name as it comes.
class Members {
public:
    explicit Members(JsonText& j) : j_(j) { j_.out += '{'; }
    ~Members() { j_.out += '}'; }
    JsonText& operator[](std::string_view name)
    {
        if (!first_)
            j_.out += ',';
        first_ = false;
        j_.key(name);
        return j_;
    }

private:
    JsonText& j_;
    bool first_ = true;
};

// A row's name, its steps as actions and where ｎ stands after them.
template <class Row>
bool row(Members& m, const Row& r, const std::vector<std::string>& steps)
{
    std::vector<PupilAction> list;
    const bool ok = godo::test::toActions(steps, list);
    m["name"].text(std::string_view(r.name));
    JsonText& j = m["actions"];
    j.array(list, [&j](const PupilAction& a) {
        using Kind = PupilAction::Kind;
        static constexpr std::string_view kinds[] = {"click", "choose", "key", "type"};
        Members action(j);
        action["kind"].text(kinds[static_cast<int>(a.kind)]);
        if (a.kind == Kind::Click)
            action["control"].text(std::string_view(a.control));
        else if (a.kind == Kind::Choose)
            action["entry"].integer(a.entry);
        else if (a.kind == Kind::Key)
            action["key"].text(std::string_view(a.key));
        else
            action["text"].text(std::u16string_view(godo::toUtf16(a.text)));
    });
    m["kakudo"].integer(r.kakudo);
    m["Px"].integer(r.Px);
    m["Qx"].integer(r.Qx);
    return ok;
}

} // namespace

int main()
{
    JsonText j;
    bool ok = true;
    {
        Members tables(j);
        {
            Members window(tables["window"]);
            window["width"].integer(godo::twipsToPixels(godo::windowLayout().width));
            window["height"].integer(godo::twipsToPixels(godo::windowLayout().height));
        }
        {
            // The figure's pens by the colour they have in the standard scheme.
            Members pens(tables["pens"]);
            pens["cyan"].integer(godo::kBackground);
            pens["blue"].integer(godo::kLightBlue);
            pens["green"].integer(godo::kLightGreen);
            pens["red"].integer(godo::kLightRed);
            pens["yellow"].integer(godo::kLightYellow);
            pens["white"].integer(godo::kBrightWhite);
        }
        {
            // Ｐ and Ｑ at every angle of ｎ that crosses ｌ and ｍ, by the
            // native core's rule, for the walks that turn it further than the
            // tables do.
            Members crossings(tables["crossings"]);
            godo::FigureState s;
            s.reset();
            for (s.kakudo = 5; s.kakudo <= 170; s.kakudo += 5)
                if (godo::nCrossesLAndM(s))
                    crossings[std::to_string(s.kakudo)].array(
                        std::vector<int>{godo::intersectionX(s, s.Yl), godo::intersectionX(s, s.Ym)},
                        [&j](int x) { j.integer(x); });
        }
        tables["controls"].array(godo::test::kLessonControls,
                                 [&j](const char* name) { j.text(std::string_view(name)); });
        tables["lesson"].array(godo::test::lessonRows(), [&](const godo::test::LessonRow& r) {
            Members m(j);
            ok = row(m, r, r.steps) && ok;
            m["fKatei"].integer(r.fKatei);
            m["fSankaku"].integer(r.fSankaku);
            m["fHenkaku"].integer(r.fHenkaku);
            m["fGodo"].integer(r.fGodo);
            m["nKeturon"].integer(r.nKeturon);
            m["field"].text(r.field);
            m["flags"].text(std::string_view(r.flags));
        });
        tables["turning"].array(godo::test::turningRows(), [&](const godo::test::TurningRow& r) {
            Members m(j);
            ok = row(m, r, godo::test::turningSteps(r)) && ok;
        });
    }
    j.out += '\n';
    std::fwrite(j.out.data(), 1, j.out.size(), stdout);
    return ok ? 0 : 1;
}
