#!/usr/bin/python3
# The calculator heard through Debian's own screen reader: Orca and the real program under
# Xvfb with a window manager, driven by real keys, and every utterance that speech-dispatcher
# hands its synthesizer written to a file instead of a sound card. Run inside
# dbus-run-session with the path of kometa.
import os
import shutil
import subprocess
import sys
import tempfile
import time

from gi.repository import Gio, GLib

from desktop import XServer, program_command

# A sanitizer build answers several times slower, more so on a loaded machine: its test run
# stretches every wait by KOMETA_TEST_TIME_SCALE.
SCALE = float(os.environ.get("KOMETA_TEST_TIME_SCALE", "1"))
STEP_SECONDS = 1.2 * SCALE
SKIPPED = 77


def start(command, keep_stderr=False, **kwargs):
    """Starts a helper of the session; only the calculator's own complaints are kept, in
    the test's output."""
    return subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=None if keep_stderr else subprocess.DEVNULL, **kwargs)


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as file:
        file.write(text)


def accessibility_bus():
    """A connection of the test's own to the accessibility bus, to be closed after use."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 2000, None)
    return Gio.DBusConnection.new_for_address_sync(
        address.unpack()[0], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)


def listened_events(bus):
    """The events every client, here only the screen reader, has asked the accessibility bus
    for."""
    events = bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                           "org.a11y.atspi.Registry", "GetRegisteredEvents", None, None,
                           Gio.DBusCallFlags.NONE, 2000, None)
    return {event for _, event in events.unpack()[0]}


def speech_capture(home, spoken):
    # A null sound device lets speech-dispatcher start; its generic module then only
    # appends what it would say.
    write(os.path.join(home, ".asoundrc"), "pcm.!default { type null }\n")
    config = os.path.join(home, ".config", "speech-dispatcher")
    write(os.path.join(config, "speechd.conf"),
          'AddModule "capture" "sd_generic" "capture.conf"\n'
          'DefaultModule capture\nDefaultLanguage "ru"\nAudioOutputMethod "alsa"\n')
    write(os.path.join(config, "modules", "capture.conf"),
          f'GenericExecuteSynth "printf \'%s\\\\n\' \\\'$DATA\\\' >> {spoken}"\n'
          'GenericCmdDependency "printf"\n'
          # Text in a language the module does not list is written as Latin-1.
          + "".join(f'AddVoice "{code}" "MALE1" "{code}"\nGenericLanguage "{code}" "{code}" "utf-8"\n'
                    for code in ("ru", "en", "en-us", "c")))


class Session:
    def __init__(self):
        self.processes = []

    def start(self, kometa):
        self.home = tempfile.mkdtemp(prefix="kometa-orca-")
        self.spoken = os.path.join(self.home, "spoken.txt")
        open(self.spoken, "w").close()
        speech_capture(self.home, self.spoken)
        self.server = XServer(log=open(os.path.join(self.home, "xvfb.log"), "w"))
        runtime = os.path.join(self.home, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.environment = dict(
            os.environ, DISPLAY=self.server.display, HOME=self.home, XDG_RUNTIME_DIR=runtime,
            XDG_CONFIG_HOME=os.path.join(self.home, ".config"), LANG="C.UTF-8",
            LANGUAGE="ru", QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # speech-dispatcher refuses a locale the C library lacks, and ru_RU is rarely
        # generated on a build machine; Orca's Russian messages need only LANGUAGE.
        self.environment.pop("LC_ALL", None)
        self.processes.append(start(["openbox"], env=self.environment))
        self.processes.append(start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    env=self.environment))
        self.debug = os.path.join(self.home, "orca-debug.txt")
        # Orca gives up when the desktop is not yet there to connect to; it is tried again.
        for attempt in range(3):
            orca = start(["/usr/bin/python3", shutil.which("orca"), "--debug-file", self.debug,
                          "-u", os.path.join(self.home, "orca")], env=self.environment)
            self.processes.append(orca)
            deadline = time.monotonic() + 30 * SCALE
            while not self.utterances() and orca.poll() is None and time.monotonic() < deadline:
                time.sleep(0.1)
            if self.utterances():
                break
            time.sleep(1)
        else:
            raise AssertionError("orca did not speak")
        # Orca speaks before it listens. A window that comes before Orca hears of focus and
        # windows has its focus missed, and its name said twice: once as Orca finds the
        # window already there, once as the window reports itself active.
        deadline = time.monotonic() + 30 * SCALE
        bus = accessibility_bus()
        try:
            while not {"Object:StateChanged:Focused", "Window:Activate:"} <= listened_events(bus):
                if time.monotonic() > deadline:
                    raise AssertionError("orca did not listen for focus and windows")
                time.sleep(0.1)
        finally:
            bus.close_sync(None)
        self.processes.append(start(program_command(kometa), keep_stderr=True,
                                    env=dict(self.environment, LANG="ru_RU.UTF-8")))
        self.wait_for_window(30 * SCALE)

    def utterances(self):
        with open(self.spoken, encoding="utf-8", errors="replace") as file:
            return [line.rstrip("\n") for line in file]

    def wait_for_window(self, seconds):
        # Found by the program's process: a window of the same name on another server must
        # never be taken for it.
        deadline = time.monotonic() + seconds
        kometa = str(self.processes[-1].pid)
        while subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", kometa],
                             env=self.environment, capture_output=True).returncode != 0:
            if time.monotonic() > deadline:
                raise AssertionError("no kometa window")
            time.sleep(0.1)
        time.sleep(3 * STEP_SECONDS)

    def keys(self, *keys, pause=STEP_SECONDS):
        """Presses the keys one by one and returns what was said after them, as one text."""
        before = len(self.utterances())
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=self.environment,
                           check=True)
            time.sleep(pause)
        return "".join(self.utterances()[before:])

    def move(self, *keys):
        """Moves the focus without waiting for each control to be read out."""
        self.keys(*keys, pause=0.25)
        time.sleep(STEP_SECONDS)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
        # Orca logs every line it puts on a braille display, attached or not, and writes
        # its log out when it ends.
        self.braille = []
        if hasattr(self, "debug") and os.path.exists(self.debug):
            with open(self.debug, encoding="utf-8", errors="replace") as log:
                self.braille = [line.split("BRAILLE LINE:", 1)[1].strip().strip("'")
                                for line in log if "BRAILLE LINE:" in line]
        if hasattr(self, "server"):
            self.server.close()
        if hasattr(self, "home") and not os.environ.get("KOMETA_KEEP_SESSION"):
            shutil.rmtree(self.home, ignore_errors=True)


def check(session):
    failures = []

    def expect(step, heard, phrase, absent=None):
        print(f"{step}: {heard!r}", flush=True)
        if heard.count(phrase) != 1 or (absent and absent in heard):
            failures.append(f"{step}: expected {phrase!r} once, heard {heard!r}")

    expect("start", "".join(session.utterances()), "Комета", absent="двоеточие")
    # 0 to the power -1: the fault box must say what the fault was. OK closes it.
    session.keys("0", "Tab", "minus", "1")
    session.move(*["Tab"] * 15)
    expect("Space on the power", session.keys("space", pause=2 * STEP_SECONDS),
           "Ошибка вычисления: деление на ноль.")
    session.keys("space")
    # Back to the operands, whose texts the focus selects and typing replaces.
    session.move(*["shift+Tab"] * 16)
    session.keys("1", "2", "Tab", "3", "0")
    session.move("Tab", "Tab", "Tab")
    expect("Space on «Сложить»", session.keys("space"), "Результат: 42")
    # A press that changes nothing is answered all the same.
    expect("Space on «Сложить» again", session.keys("space"), "Результат: 42")
    # The focus lands on the result after "="; the field must be read to its last digit.
    heard = session.keys("shift+Tab", "shift+Tab")
    expect("Shift+Tab twice to the result", heard[heard.rfind("Результат"):], "42 выделен")
    session.move(*["Tab"] * 24)
    expect("Space on «M1+»", session.keys("space"), "Память 1: 12")
    session.move("Tab", "Tab")
    # Said once, and not as a deletion of the register's selected text.
    expect("Enter on «Память 1»", session.keys("Return"), "Результат: 12. Память 1: пусто",
           absent="удален")
    return failures


def main():
    # A screen reader of this user's own must be left alone, and Orca will not start beside it.
    if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                      capture_output=True).returncode == 0:
        print("screen reader: skipped, Orca already runs for this user")
        return SKIPPED
    session = Session()
    try:
        session.start(sys.argv[1])
        failures = check(session)
        alive = session.processes[-1].poll() is None
    finally:
        session.close()
    if not alive:
        failures.append("kometa ended")
    # What a braille reader is shown of the press on «Сложить».
    flashed = [line for line in session.braille if line.startswith("Результат:")]
    print(f"braille: {flashed!r}")
    if "Результат: 42" not in flashed:
        failures.append(f"braille: expected 'Результат: 42', shown {flashed!r}")
    for failure in failures:
        print(failure)
    print(f"screen reader: {'0 failed' if not failures else f'{len(failures)} failed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
