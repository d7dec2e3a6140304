#include "pupil.h"

#include <charconv>
#include <cstdio>

namespace godo::test {

namespace {

bool toNumber(const std::string& s, std::size_t from, int& n)
{
    const char* end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data() + from, end, n);
    return ec == std::errc{} && ptr == end;
}

bool toAction(const std::string& step, PupilAction& a)
{
    if (step.rfind("pick:", 0) == 0) {
        a = {PupilAction::Kind::Choose, {}, 0, {}, {}};
        return toNumber(step, 5, a.entry);
    }
    if (step == "down" || step == "up") {
        a = {PupilAction::Kind::Key, {}, 0, step == "down" ? "ArrowDown" : "ArrowUp", {}};
        return true;
    }
    if (step.rfind("type:", 0) == 0) {
        a = {PupilAction::Kind::Type, {}, 0, {}, step.substr(5)};
        return true;
    }
    a = {PupilAction::Kind::Click, step, 0, {}, {}};
    return !step.empty();
}

} // namespace

bool toActions(const std::vector<std::string>& steps, std::vector<PupilAction>& actions)
{
    for (const std::string& s : steps) {
        const auto star = s.find('*');
        int times = 1;
        PupilAction a;
        if ((star != std::string::npos && (!toNumber(s, star + 1, times) || times < 0)) ||
            !toAction(s.substr(0, star), a)) {
            std::fprintf(stderr, "not a step: %s\n", s.c_str());
            return false;
        }
        actions.insert(actions.end(), static_cast<std::size_t>(times), a);
    }
    return true;
}

bool Pupil::act(const PupilAction& a)
{
    switch (a.kind) {
    case PupilAction::Kind::Click: return click(a.control);
    case PupilAction::Kind::Choose: return choose(a.entry);
    case PupilAction::Kind::Key: return key(a.key);
    case PupilAction::Kind::Type: return type(a.text);
    }
    return false;
}

bool Pupil::walk(const std::vector<std::string>& steps)
{
    std::vector<PupilAction> actions;
    if (!toActions(steps, actions))
        return false;
    for (const PupilAction& a : actions)
        if (!act(a))
            return false;
    return true;
}

} // namespace godo::test
