"""Drives the real program through AT-SPI: the intro, the clock, a deal, the
four numbers read aloud, a right answer typed in, the verdict, and back."""

import itertools
import sys
import time
from fractions import Fraction

import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

warnings.simplefilter("ignore", DeprecationWarning)  # the Action calls moved between versions

PID = int(sys.argv[1])
DEADLINE = time.monotonic() + 60


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def app():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        child = desktop.get_child_at_index(i)
        try:
            if child and child.get_process_id() == PID:
                return child
        except Exception:
            pass
    return None


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    try:
        count = node.get_child_count()
    except Exception:
        return
    for i in range(count):
        yield from walk(node.get_child_at_index(i), depth + 1)


def showing(node):
    try:
        return node.get_state_set().contains(Atspi.StateType.SHOWING)
    except Exception:
        return False


def find(predicate, what, need_showing=True):
    """Waits for an accessible matching predicate."""
    while time.monotonic() < DEADLINE:
        root = app()
        if root is not None:
            for node in walk(root):
                try:
                    if predicate(node) and (showing(node) or not need_showing):
                        return node
                except Exception:
                    continue
        time.sleep(0.1)
    fail("never found " + what)


def named(name, role=None):
    def predicate(node):
        return node.get_name() == name and (role is None or node.get_role() == role)

    return find(predicate, repr(name))


def press(node):
    for i in range(node.get_n_actions()):
        if node.get_action_name(i) == "Press":
            node.do_action(i)
            return
    fail("no Press action on " + node.get_name())


def make24(numbers):
    """An expression using each number once that makes 24, or None."""
    def search(items):
        if len(items) == 1:
            value, text = items[0]
            return text if value == 24 else None
        for (i, a), (j, b) in itertools.permutations(enumerate(items), 2):
            rest = [x for k, x in enumerate(items) if k not in (i, j)]
            options = [(a[0] + b[0], f"({a[1]}+{b[1]})"), (a[0] - b[0], f"({a[1]}-{b[1]})"),
                       (a[0] * b[0], f"({a[1]}*{b[1]})")]
            if b[0] != 0:
                options.append((a[0] / b[0], f"({a[1]}/{b[1]})"))
            for option in options:
                found = search(rest + [option])
                if found:
                    return found
        return None

    return search([(Fraction(n), str(n)) for n in numbers])


press(named("请细细观看（继续）", Atspi.Role.PUSH_BUTTON))
press(named("继续", Atspi.Role.PUSH_BUTTON))
press(named("开始", Atspi.Role.PUSH_BUTTON))
named("暂停", Atspi.Role.PUSH_BUTTON)
press(named("给个题目", Atspi.Role.PUSH_BUTTON))
time.sleep(1.0)

numbers = []
for position in range(1, 5):
    label = find(lambda n, p=position: n.get_name().startswith(f"第{p}个数："), f"number {position}")
    numbers.append(int(label.get_name().split("：")[1]))
print("board:", numbers)
expression = make24(numbers)
if expression is None:
    fail(f"the board {numbers} has no solution at all")

field = named("算式")
Atspi.EditableText.set_text_contents(field, expression)
typed = Atspi.Text.get_text(field, 0, -1)
if typed != expression:
    fail(f"typed {typed!r}, field holds something else")
print("answer:", expression)
press(named("检验计算", Atspi.Role.PUSH_BUTTON))

verdict = named("成功算出24，继续努力！！！")
print("verdict:", verdict.get_name())
press(named("继续", Atspi.Role.PUSH_BUTTON))

clock = find(lambda n: n.get_name().startswith("剩余时间："), "the countdown display")
board_after = [int(find(lambda n, p=p: n.get_name().startswith(f"第{p}个数："), "number").get_name()
                   .split("：")[1]) for p in range(1, 5)]
print("countdown:", clock.get_name(), "next board:", board_after)
print("PASS")
