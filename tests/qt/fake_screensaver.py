#!/usr/bin/python3
"""A stand-in for the desktop session's screen saver on a private session bus.

Owns org.freedesktop.ScreenSaver, writes one line per Inhibit and UnInhibit call to the file
named by its argument, and prints "ready" once the name is its own.
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

NAME = "org.freedesktop.ScreenSaver"


class ScreenSaver(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, "/org/freedesktop/ScreenSaver")
        self.log = log
        self.cookie = 40

    @dbus.service.method(NAME, in_signature="ss", out_signature="u")
    def Inhibit(self, application, reason):
        self.cookie += 1
        self.record(f"Inhibit {application} {self.cookie}")
        return self.cookie

    @dbus.service.method(NAME, in_signature="u")
    def UnInhibit(self, cookie):
        self.record(f"UnInhibit {cookie}")

    def record(self, line):
        with open(self.log, "a", encoding="utf-8") as log:
            log.write(line + "\n")


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(NAME, bus)
    service = ScreenSaver(bus, sys.argv[1])
    print("ready", flush=True)
    GLib.MainLoop().run()
    del name, service


if __name__ == "__main__":
    main()
