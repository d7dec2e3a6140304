"""The lesson window read the way a screen reader reads it: over the
accessibility bus with pyatspi, from the running program (started by
on-accessibility-bus.sh). Checks the window, the buttons, the two headings and
what they name, and the figure's description before and after 仮定 is pressed
through the bus; then presses 終了, which ends the program.

Exit status 0 when everything holds; otherwise each fault is printed."""

import sys
import time

import pyatspi

CAPTION = "三角形の合同条件の使い方(q.Sorano)"
HEADING = "\u3000\u3000\u3000\u3000結論"

# Every push button by its caption, and whether it is enabled after start.
BUTTONS = [
    ("仮定", True),
    ("左回転", False),
    ("右回転", False),
    ("注目する三角形", False),
    ("等しい辺・角", False),
    ("合同条件", False),
    ("印刷", True),
    ("最初", True),
    ("終了", True),
]

# Each label; the role and name of what it labels; the buttons inside that.
LABELS = [
    ("直線ｎの移動", pyatspi.ROLE_PANEL, "直線ｎの移動", ["左回転", "右回転"]),
    ("証明の進め方", pyatspi.ROLE_COMBO_BOX, HEADING, []),
]

FIGURE = "図形"
WAIT_S = 10.0

faults = []


def check(ok, message):
    if not ok:
        faults.append(message)
    return ok


def wait_for(condition, seconds):
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.1)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "godojoken" and app.childCount > 0:
            return app
    return None


def descendants(obj):
    for child in obj:
        if child is not None:
            yield child
            yield from descendants(child)


def one(objects, role, name):
    found = [o for o in objects if o.getRole() == role and o.name == name]
    check(len(found) == 1, f"{len(found)} objects with the role {role} named {name!r}, expected 1")
    return found[0] if found else None


def targets(obj, relation):
    out = []
    for r in obj.getRelationSet():
        if r.getRelationType() == relation:
            out += [r.getTarget(i) for i in range(r.getNTargets())]
    return [(t.getRole(), t.name) for t in out]


def enabled(obj):
    states = obj.getState()
    return states.contains(pyatspi.STATE_ENABLED) and states.contains(pyatspi.STATE_SENSITIVE)


def press(obj):
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            return action.doAction(i)
    faults.append(f"{obj.name!r} has no press action")
    return False


def main():
    app = wait_for(application, WAIT_S)
    if app is None:
        print("read_window: no application named godojoken with a window on the bus")
        return 1

    window = app[0]
    check(window.getRole() == pyatspi.ROLE_FRAME,
          f"the window's role is {window.getRoleName()!r}, expected 'frame'")
    check(window.name == CAPTION, f"the window is named {window.name!r}")
    everything = list(descendants(window))

    buttons = {}
    for caption, enabled_at_start in BUTTONS:
        b = buttons[caption] = one(everything, pyatspi.ROLE_PUSH_BUTTON, caption)
        if b is not None:
            check(enabled(b) == enabled_at_start,
                  f"{caption!r} is {'enabled' if enabled(b) else 'disabled'} after start")

    for text, role, name, inside in LABELS:
        label = one(everything, pyatspi.ROLE_LABEL, text)
        named = one(everything, role, name)
        if label is None or named is None:
            continue
        check(targets(label, pyatspi.RELATION_LABEL_FOR) == [(role, name)],
              f"{text!r} is the label for {targets(label, pyatspi.RELATION_LABEL_FOR)}")
        check(targets(named, pyatspi.RELATION_LABELLED_BY) == [(pyatspi.ROLE_LABEL, text)],
              f"{name!r} is labelled by {targets(named, pyatspi.RELATION_LABELLED_BY)}")
        members = sorted(c.name for c in named if c.getRole() == pyatspi.ROLE_PUSH_BUTTON)
        check(members == sorted(inside), f"the buttons under {text!r} are {members}")

    figure = one(everything, pyatspi.ROLE_IMAGE, FIGURE)
    katei = buttons.get("仮定")
    if figure is not None and katei is not None:
        before = figure.description
        check("仮定の印：なし" in before, f"the figure at start is described as {before!r}")
        press(katei)
        after = wait_for(lambda: "仮定の印：表示" in figure.description and figure.description, 5.0)
        check(after and "仮定の印：なし" not in after,
              f"after 仮定 the figure is described as {figure.description!r}")
        hidari = buttons.get("左回転")
        if hidari is not None:
            check(wait_for(lambda: enabled(hidari), 5.0), "左回転 stays disabled after 仮定")

    for fault in faults:
        print("read_window:", fault)
    if faults:
        return 1
    owari = buttons.get("終了")
    return 0 if owari is not None and press(owari) else 1


if __name__ == "__main__":
    sys.exit(main())
