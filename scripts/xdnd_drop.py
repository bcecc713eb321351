#!/usr/bin/env python3
"""Drops a file on an X window as a file manager does, by the XDND protocol.

    xdnd_drop.py WINDOW ROOT_X ROOT_Y FILE

The smoke walks use it to drop files on the desktop programs in Xvfb (xdotool has no
drag and drop). Exits 1 when the window does not take the drop within ten seconds.
"""
import ctypes
import pathlib
import sys
import time

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
c_window = ctypes.c_ulong
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = c_window
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XCreateSimpleWindow.restype = c_window
x11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, c_window] + [ctypes.c_int] * 2 + \
    [ctypes.c_uint] * 3 + [ctypes.c_ulong] * 2
x11.XSetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong, c_window, ctypes.c_ulong]
x11.XSendEvent.argtypes = [ctypes.c_void_p, c_window, ctypes.c_int, ctypes.c_long,
                           ctypes.c_void_p]
x11.XChangeProperty.argtypes = [ctypes.c_void_p, c_window, ctypes.c_ulong, ctypes.c_ulong,
                                ctypes.c_int, ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", c_window),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class SelectionRequest(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("owner", c_window), ("requestor", c_window),
                ("selection", ctypes.c_ulong), ("target", ctypes.c_ulong),
                ("property", ctypes.c_ulong), ("time", ctypes.c_ulong)]


class SelectionNotify(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("requestor", c_window),
                ("selection", ctypes.c_ulong), ("target", ctypes.c_ulong),
                ("property", ctypes.c_ulong), ("time", ctypes.c_ulong)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("client", ClientMessage),
                ("request", SelectionRequest), ("notify", SelectionNotify),
                ("pad", ctypes.c_long * 24)]


CLIENT_MESSAGE, SELECTION_REQUEST, SELECTION_NOTIFY = 33, 30, 31


def main():
    target = int(sys.argv[1], 0)
    x, y = int(sys.argv[2]), int(sys.argv[3])
    uri = pathlib.Path(sys.argv[4]).resolve().as_uri().encode() + b"\r\n"
    display = x11.XOpenDisplay(None)
    atom = lambda name: x11.XInternAtom(display, name.encode(), 0)
    source = x11.XCreateSimpleWindow(display, x11.XDefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0)
    x11.XSetSelectionOwner(display, atom("XdndSelection"), source, 0)
    uri_list = atom("text/uri-list")

    def send(kind, *data):
        event = Event()
        event.client.type = CLIENT_MESSAGE
        event.client.window = target
        event.client.message_type = atom(kind)
        event.client.format = 32
        for i, value in enumerate(data):
            event.client.data[i] = value
        x11.XSendEvent(display, target, 0, 0, ctypes.byref(event))
        x11.XFlush(display)

    send("XdndEnter", source, 5 << 24, uri_list, 0, 0)
    send("XdndPosition", source, 0, (x << 16) | y, 0, atom("XdndActionCopy"))
    dropped = False
    deadline = time.time() + 10
    while time.time() < deadline:
        if not x11.XPending(display):
            time.sleep(0.02)
            continue
        event = Event()
        x11.XNextEvent(display, ctypes.byref(event))
        if event.type == CLIENT_MESSAGE:
            kind = event.client.message_type
            if kind == atom("XdndStatus") and not dropped:
                if not event.client.data[1] & 1:
                    sys.exit("the window refuses the drop")
                send("XdndDrop", source, 0, 0)
                dropped = True
            elif kind == atom("XdndFinished"):
                return
        elif event.type == SELECTION_REQUEST:
            request = event.request
            x11.XChangeProperty(display, request.requestor, request.property, uri_list, 8, 0,
                                uri, len(uri))
            answer = Event()
            answer.notify.type = SELECTION_NOTIFY
            answer.notify.requestor = request.requestor
            answer.notify.selection = request.selection
            answer.notify.target = request.target
            answer.notify.property = request.property
            answer.notify.time = request.time
            x11.XSendEvent(display, request.requestor, 0, 0, ctypes.byref(answer))
            x11.XFlush(display)
    sys.exit("the window did not take the drop")


main()
