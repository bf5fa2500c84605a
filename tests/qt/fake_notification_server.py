#!/usr/bin/python3
"""org.freedesktop.Notifications for the driven runs: each call one JSON line in
LOG; Press(key) sends ActionInvoked for the last notification; --no-actions:
a server without buttons."""
import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

IFACE = "org.freedesktop.Notifications"


class Server(dbus.service.Object):
    def __init__(self, bus, log, actions):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.log, self.actions, self.last = log, actions, 0

    def record(self, method, *args):
        with open(self.log, "a", encoding="utf-8") as f:
            f.write(json.dumps({"method": method, "args": args}, ensure_ascii=False) + "\n")

    @dbus.service.method(IFACE, out_signature="as")
    def GetCapabilities(self):
        self.record("GetCapabilities")
        return ["body", "actions"] if self.actions else ["body"]

    @dbus.service.method(IFACE, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.last += 1
        hints = {str(k): bool(v) if isinstance(v, dbus.Boolean) else int(v) if isinstance(v, dbus.Byte) else str(v)
                 for k, v in hints.items()}
        self.record("Notify", app, int(replaces), icon, summary, body, list(actions), hints, int(timeout), self.last)
        return self.last

    @dbus.service.method(IFACE, in_signature="u")
    def CloseNotification(self, nid):
        self.record("CloseNotification", int(nid))
        self.NotificationClosed(nid, 3)

    @dbus.service.method(IFACE, in_signature="s")
    def Press(self, key):
        self.ActionInvoked(self.last, key)

    @dbus.service.signal(IFACE, signature="us")
    def ActionInvoked(self, nid, key):
        pass

    @dbus.service.signal(IFACE, signature="uu")
    def NotificationClosed(self, nid, reason):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    held = dbus.service.BusName(IFACE, bus), Server(bus, sys.argv[1], "--no-actions" not in sys.argv)  # noqa: F841
    print("ready", flush=True)
    GLib.MainLoop().run()


main()
