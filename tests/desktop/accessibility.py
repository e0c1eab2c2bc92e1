#!/usr/bin/python3
"""Walks the program's windows over the accessibility bus as a screen reader would, and makes one
whole reading by keyboard alone.

    accessibility.py PROGRAM URL_LOG

Runs inside the session that accessibility.sh sets up (X server, session bus, accessibility bus).
URL_LOG is the file the fake xdg-open appends each address to. Prints the spoken tree of every
window it visits; exits non-zero when anything a user of a screen reader or a keyboard relies on
is missing: a control without a name, a link that does not say where it leads or cannot be
reached from the keyboard, a window not announced as a window.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM, URL_LOG = sys.argv[1], sys.argv[2]
APP_NAME = "DIDadiDizaruvaVudiro"
TITLE = os.environ["ZT_TITLE"]  # the window title, which CTest hands over
WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG}
LINK_ROLES = {pyatspi.ROLE_LINK, pyatspi.ROLE_PUSH_BUTTON}
# Everything a user can act on must be spoken with a name.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LINK, pyatspi.ROLE_LABEL,
    pyatspi.ROLE_IMAGE, pyatspi.ROLE_MENU_ITEM,
}

failures = []


class Timeout(Exception):
    pass


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)
    return ok


def wait_for(condition, what, seconds=60.0):
    """Polls until condition() gives something true; a window or a focus move takes its time, and
    far longer in a sanitizer build on a busy machine."""
    end = time.monotonic() + seconds
    while True:
        try:
            result = condition()
        except Exception:  # the tree changes under us while windows come and go
            result = None
        if result:
            return result
        if time.monotonic() > end:
            raise Timeout(what)
        # Events reach their listeners (listen) only while the main context runs.
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)


def listen(*kinds):
    """The events of these kinds, from now on, in the order a screen reader hears them: pairs of
    the event's type and its source's name."""
    heard = []

    def hear(event):
        try:
            heard.append((event.type, event.source.name))
        except Exception:  # the source may be gone already
            pass
    pyatspi.Registry.registerEventListener(hear, *kinds)
    return heard


def states(acc):
    return acc.getState()


def showing(acc):
    return states(acc).contains(pyatspi.STATE_SHOWING)


def children(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child


def walk(acc):
    yield acc
    # The lists' items and the menus are Qt's own; the controls are what the program names.
    if acc.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_SCROLL_BAR):
        return
    for child in children(acc):
        yield from walk(child)


def text_of(acc):
    if acc is None:
        return None
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def spoken(acc):
    """What a screen reader says for one object: role, name, value, where a link leads."""
    words = [acc.getRoleName(), repr(acc.name)]
    value = text_of(acc)
    if value is not None and acc.getRole() != pyatspi.ROLE_TEXT:
        words.append("value " + repr(value))
    if acc.description:
        words.append("(" + acc.description + ")")
    if states(acc).contains(pyatspi.STATE_FOCUSABLE):
        words.append("[focusable]")
    return " ".join(words)


def print_tree(title, window):
    print("---- spoken tree:", title, flush=True)

    def show(acc, depth):
        if depth and not showing(acc):
            return
        print("  " * depth + spoken(acc))
        if acc.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_SCROLL_BAR):
            return
        for child in children(acc):
            show(child, depth + 1)

    show(window, 0)
    sys.stdout.flush()


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app.name == APP_NAME:
            return app
    return None


def active_window(besides=None):
    """The window that has the keyboard, once it is active and has put the focus somewhere. The
    window besides, which had the keyboard before, may still be reported active for a while."""
    app = application()
    for window in children(app):
        if window == besides:
            continue
        if showing(window) and states(window).contains(pyatspi.STATE_ACTIVE):
            if focused(window) is not None:
                return window
    return None


def focused(window):
    for acc in walk(window):
        if states(acc).contains(pyatspi.STATE_FOCUSED) and acc is not window:
            return acc
    return None


def find(window, role, name):
    for acc in walk(window):
        if acc.getRole() == role and acc.name == name and showing(acc):
            return acc
    return None


def links(window):
    """The links a user can see and follow to a page."""
    return [acc for acc in walk(window) if showing(acc) and acc.getRole() == pyatspi.ROLE_LINK]


# --- the keyboard, and the desktop's part in it ------------------------------------------------
def visible_windows(pid):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True).stdout
    return set(out.split())


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def open_menu(pid, keys):
    """Opens a menu and waits for it, so that it is not taken for the window its item opens."""
    before = visible_windows(pid)
    key(keys)
    wait_for(lambda: visible_windows(pid) - before, "the menu after " + keys)


def press_and_open(pid, *keys):
    """Presses keys that open a window and hands it the keyboard, as a window manager does."""
    before = visible_windows(pid)
    was_active = active_window()
    key(*keys)
    new = wait_for(lambda: visible_windows(pid) - before, "a new window after " + " ".join(keys))
    for wid in new:
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], timeout=60)
    return wait_for(lambda: active_window(besides=was_active),
                    "the new window to take the keyboard")


def press_and_return(pid, main_wid, *keys):
    """Presses keys that close a window and hands the keyboard back to the main window, once it is
    alone on screen: on the way back a window may come up and go again at once."""
    was_active = active_window()
    key(*keys)
    wait_for(lambda: visible_windows(pid) == {main_wid},
             "the main window alone after " + " ".join(keys))
    subprocess.run(["xdotool", "windowfocus", "--sync", main_wid], timeout=60)
    return wait_for(lambda: active_window(besides=was_active),
                    "the main window to take the keyboard after " + " ".join(keys))


def tab(window):
    """Presses Tab and waits for the focus to leave where it was, so that the next look at the
    focus does not see the old place and press Tab once too often."""
    before = focused(window)
    key("Tab")
    return wait_for(lambda: (lambda now: now if now is not None and now != before else None)(
        focused(window)), "the focus to move on by Tab")


def expect_focus(window, role, name, after):
    def there():
        acc = focused(window)
        return acc if acc is not None and acc.getRole() == role and acc.name == name else None
    try:
        return wait_for(there, "focus")
    except Timeout:
        acc = focused(window)
        check(False, f"after {after}: focus on {spoken(acc) if acc else 'nothing'},"
                     f" expected {role} {name!r}")
        return None


def tab_through(window, expected, start):
    """Tabs once per expected stop and checks the name spoken at each."""
    for role, name in expected:
        key("Tab")
        expect_focus(window, role, name, f"Tab from {start}")
        start = name


def urls():
    try:
        with open(URL_LOG) as log:
            return [line.strip() for line in log if line.strip()]
    except FileNotFoundError:
        return []


def tab_to(window, name):
    """Tabs round to the control of that name; returns it, or None if no Tab stop has it."""
    for _ in range(20):
        acc = focused(window)
        if acc is not None and acc.name == name:
            return acc
        tab(window)
    return None


def follow_links(title, window, keyname, pid):
    """Tabs to each link in turn, activates it with keyname and checks that it opened the page
    its name or description gives."""
    for link in links(window):
        if not check(tab_to(window, link.name) is not None,
                     f"{title}: no Tab stop on the link {link.name!r}"):
            continue
        before = len(urls())
        key(keyname)
        try:
            wait_for(lambda: len(urls()) > before, "an address")
        except Timeout:
            check(False, f"{title}: {keyname} on the link {link.name!r} opened nothing")
            continue
        address = urls()[-1]
        check(address in link.name + " " + link.description,
              f"{title}: {link.name!r} opened {address}, not the page it names")


# --- what every window owes a screen reader ----------------------------------------------------
def check_window(title, window):
    print_tree(title, window)
    check(window.getRole() in WINDOW_ROLES,
          f"{title}: announced as {window.getRoleName()}, not as a window")
    check(window.name == TITLE, f"{title}: window named {window.name!r}")
    for acc in walk(window):
        if acc is window or not showing(acc):
            continue
        if acc.getRole() in NAMED_ROLES or states(acc).contains(pyatspi.STATE_FOCUSABLE):
            check(acc.name.strip() != "", f"{title}: a {acc.getRoleName()} without a name")
        if acc.getRole() == pyatspi.ROLE_CHECK_BOX:
            check(False, f"{title}: {acc.name!r} is spoken as a check box, not as a link")
    for link in links(window):
        where = link.name + " " + link.description
        check("http://" in where or "https://" in where,
              f"{title}: the link {link.name!r} does not say where it leads")
        check(states(link).contains(pyatspi.STATE_FOCUSABLE),
              f"{title}: the link {link.name!r} cannot take the focus")


def check_links_present(title, window, names):
    for name in names:
        acc = next((a for a in walk(window) if a.name == name and showing(a)), None)
        if check(acc is not None, f"{title}: no {name!r}"):
            check(acc.getRole() in LINK_ROLES,
                  f"{title}: {name!r} is spoken as {acc.getRoleName()}, not as a link")


def main():
    program = subprocess.Popen([PROGRAM])
    try:
        run(program)
    except Timeout as timeout:
        check(False, f"gave up waiting for {timeout}")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    if failures:
        print(f"{len(failures)} accessibility fault(s)")
        return 1
    print("accessibility: all checks passed")
    return 0


def run(program):
    pid = program.pid
    # The main window: the desktop gives the first window the keyboard.
    wait_for(lambda: visible_windows(pid), "the main window to appear")
    (main_wid,) = visible_windows(pid)
    subprocess.run(["xdotool", "windowfocus", "--sync", main_wid], timeout=60)
    main = wait_for(active_window, "the main window to take the keyboard")
    check_window("main window", main)
    for name, value in (("Birth day", "1"), ("Birth month", "January"), ("Birth year", "1900")):
        date_list = find(main, pyatspi.ROLE_COMBO_BOX, name)
        if check(date_list is not None, f"main window: no date list named {name!r}"):
            check(text_of(date_list) == value,
                  f"main window: {name!r} speaks the value {text_of(date_list)!r}, not {value!r}")
    for frame in ("Please Fill In The Below Details:", "Date Of Birth", "Offers"):
        check(find(main, pyatspi.ROLE_PANEL, frame) is not None,
              f"main window: no frame spoken as {frame!r}")
    expect_focus(main, pyatspi.ROLE_TEXT, "First Name", "opening")

    # A refused entry is read out, and the focus comes back where the message says.
    box = press_and_open(pid, "alt+n")
    print_tree("message box", box)
    check(box.getRole() in {pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG},
          f"message box: announced as {box.getRoleName()}")
    check(any("Please Enter Your First Name" in (a.name + " " + a.description + " " +
                                                    (text_of(a) or ""))
              for a in walk(box)), "message box: its message is not spoken")
    main = press_and_return(pid, main_wid, "Return")
    expect_focus(main, pyatspi.ROLE_TEXT, "First Name", "closing the message")

    # A whole reading by keyboard: names, a date picked from the lists, links after the
    # controls in the order, then Next.
    type_text("ann")
    tab_through(main, [(pyatspi.ROLE_TEXT, "Middle Name"), (pyatspi.ROLE_TEXT, "Last Name")],
                "First Name")
    type_text("lee")
    key("Tab")
    month = expect_focus(main, pyatspi.ROLE_COMBO_BOX, "Birth month", "Tab from Last Name")
    key("Down")
    if month is not None:
        wait_for(lambda: text_of(month) == "February", "the month to become February")
    key("Tab")
    day = expect_focus(main, pyatspi.ROLE_COMBO_BOX, "Birth day", "Tab from Birth month")
    key("Down")
    if day is not None:
        wait_for(lambda: text_of(day) == "2", "the day to become 2")
    key("Tab")
    year = expect_focus(main, pyatspi.ROLE_COMBO_BOX, "Birth year", "Tab from Birth day")
    key("Down")
    if year is not None:
        wait_for(lambda: text_of(year) == "1901", "the year to become 1901")
    tab_through(main, [(pyatspi.ROLE_PUSH_BUTTON, "Next")], "Birth year")
    main_links = links(main)
    check(len(main_links) >= 2, "main window: fewer than two links")
    for link in main_links:
        acc = tab(main)
        check(acc.getRole() == pyatspi.ROLE_LINK,
              f"main window: after the controls the focus is on {spoken(acc)}, not on a link")
    key("Tab")
    expect_focus(main, pyatspi.ROLE_TEXT, "First Name", "Tab from the last link")
    follow_links("main window", main, "Return", pid)
    tab_to(main, "Next")
    # Enter presses the focused button, as Space does.
    results = press_and_open(pid, "Return")

    # The results window: says it holds the report, which comes through the Text interface;
    # Back first in the order.
    check_window("results window", results)
    check("report" in results.description,
          f"results window: its arrival says nothing of the report ({results.description!r})")
    expect_focus(results, pyatspi.ROLE_PUSH_BUTTON, "Back", "opening the results")
    report = find(results, pyatspi.ROLE_TEXT, "Pinnacle report")
    if check(report is not None, "results window: no text named 'Pinnacle report'"):
        text = text_of(report) or ""
        check(text.startswith("Varivuvo Vuzuzi"), "results window: the report does not start "
                                                  "with its heading")
        for line in ("First Pinnacle from age 0-32 years is 4", "Third Pinnacle from age 38-46 is 8"):
            check(line in text, f"results window: the report of 2 February 1901 lacks {line!r}")
    key("Tab")
    expect_focus(results, pyatspi.ROLE_TEXT, "Pinnacle report", "Tab from Back")
    follow_links("results window", results, "space", pid)

    # Back, then the About window from the menu.
    main = press_and_return(pid, main_wid, "alt+b")
    check(text_of(find(main, pyatspi.ROLE_COMBO_BOX, "Birth month")) == "February",
          "main window: the month picked before Next is lost after Back")
    open_menu(pid, "alt+h")
    about = press_and_open(pid, "a")
    check_window("About window", about)
    check_links_present("About window", about, [
        "Click here to visit http://www.zentari.example", "Click here for more details."])
    expect_focus(about, pyatspi.ROLE_PUSH_BUTTON, "OK", "opening About")
    # Enter is OK's wherever the focus is; a link here is followed with Space.
    follow_links("About window", about, "space", pid)
    main = press_and_return(pid, main_wid, "Escape")

    # The closing window, through the File menu.
    open_menu(pid, "alt+f")
    closing = press_and_open(pid, "x")
    check_window("closing window", closing)
    expect_focus(closing, pyatspi.ROLE_PUSH_BUTTON, "Exit", "opening the closing window")
    check_links_present("closing window", closing, [
        "Click now to see http://www.zentari.example", "Click Here To Visit Zentari Softwares"])
    for name in ("Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address",
                 "Refer A Friend Now"):
        check(any(a.name == name for a in walk(closing)), f"closing window: no {name!r}")
    follow_links("closing window", closing, "Return", pid)
    # A referral box is entered with its name, then loses its placeholder: a screen reader that
    # hears the change of text first stays silent on the focus.
    heard = listen("object:state-changed:focused", "object:text-changed")
    tab_to(closing, "Your Name")
    name_box = expect_focus(closing, pyatspi.ROLE_TEXT, "Your Name", "Tab to the first box")
    if name_box is not None:
        wait_for(lambda: text_of(name_box) == "", "the placeholder to leave the box")
        wait_for(lambda: any(kind.startswith("object:text-changed") and name == "Your Name"
                             for kind, name in heard), "the change of text to be heard")
        first = next(kind for kind, name in heard if name == "Your Name")
        check(first.startswith("object:state-changed:focused"),
              f"closing window: 'Your Name' told {first} before its focus")

    # Leaving by keyboard ends the program.
    tab_to(closing, "Exit")
    key("Return")
    try:
        wait_for(lambda: program.poll() is not None, "the program to end after Exit")
        check(program.returncode == 0, f"the program ended with {program.returncode}")
    except Timeout:
        check(False, "Exit in the closing window did not end the program")


if __name__ == "__main__":
    sys.exit(main())
