#include "ops_json.h"

#include "draw/display_list.h"
#include "draw/figure.h"
#include "model/figure_state.h"
#include "web/json_text.h"

#include <type_traits>

namespace godo::web {

namespace {

using Json = JsonText;

void op(Json& j, const DrawOp& o)
{
    j.out += '{';
    j.key("kind");
    j.integer(static_cast<int>(o.kind));
    j.out += ',';
    j.key("at");
    j.array(o.at, [&](float v) { j.number(v); });
    j.out += ',';
    j.key("colour");
    j.rgb(o.colour);
    j.out += ',';
    j.key("solid");
    j.integer(o.fill == FillStyle::Solid ? 1 : 0);
    j.out += ',';
    j.key("fillColour");
    j.rgb(o.fillColour);
    j.out += ',';
    j.key("size");
    j.number(o.size);
    j.out += ',';
    j.key("text");
    j.text(o.text);
    j.out += '}';
}

void pass(Json& j, const DisplayList& list)
{
    j.array(list.ops(), [&](const DrawOp& o) { op(j, o); });
}

void state(Json& j, const FigureState& s)
{
    j.out += '{';
    bool first = true;
    forEachField(s, [&](const char* name, const auto& value) {
        if (!first)
            j.out += ',';
        first = false;
        j.key(name);
        if constexpr (std::is_floating_point_v<std::remove_cvref_t<decltype(value)>>)
            j.number(value);
        else
            j.integer(value);
    });
    j.out += '}';
}

} // namespace

std::string figureCasesJson(int16_t kakudo)
{
    Json j;
    j.out += '[';
    for (int switches = 0; switches < 16; ++switches) {
        for (int16_t conclusion = 0; conclusion <= 3; ++conclusion) {
            FigureState s;
            s.reset();
            s.kakudo = kakudo;
            s.fKatei = switches & 1;
            s.fSankaku = (switches >> 1) & 1;
            s.fHenkaku = (switches >> 2) & 1;
            s.fGodo = (switches >> 3) & 1;
            s.nKeturon = conclusion;

            // The surface as the load step leaves it.
            DisplayList list;
            applyLoadSettings(list);
            Figure figure(list, s);

            if (switches || conclusion)
                j.out += ',';
            j.out += "{\"passes\":[";
            int16_t iro = kBackground;
            figure.zukei(iro);
            pass(j, list);
            j.out += ',';
            iro = kBrightWhite;
            figure.zukei(iro);
            pass(j, list);
            j.out += "],";
            j.key("state");
            state(j, s);
            j.out += '}';
        }
    }
    j.out += ']';
    return j.out;
}

} // namespace godo::web
