# What the tests that drive the real program share: an X server of their own, and the
# command that starts the program, under the emulator that runs a cross build's programs.
import os
import shlex
import subprocess


class XServer:
    """Xvfb on a display number it finds free itself, given back through a pipe. It listens
    on X's abstract socket too: where /tmp is private but the network shared, that is how it
    sees a number already taken, whose abstract socket its clients would otherwise reach
    first. Without -noreset it would start over whenever its last client leaves, write its
    number again and die when nobody reads it; the pipe is kept open until it is closed."""

    def __init__(self, log=subprocess.DEVNULL):
        read_display, write_display = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_display), "-noreset", "-screen", "0",
             "640x480x24", "-nolisten", "tcp"],
            stdin=subprocess.DEVNULL, stderr=log, pass_fds=(write_display,))
        os.close(write_display)
        self.display = ":" + os.read(read_display, 16).decode().strip()
        self.pipe = read_display

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(10)
        os.close(self.pipe)


def program_command(path):
    """The program's command line; KOMETA_EMULATOR names the emulator of a program built
    for another processor, such as qemu-aarch64-static. The emulator runs the program in
    its own process, so its windows still carry that process's id."""
    return shlex.split(os.environ.get("KOMETA_EMULATOR", "")) + [path]
