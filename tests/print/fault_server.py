#!/usr/bin/python3
"""Print servers that fail the way real ones do, on a unix socket.

  fault_server.py silent SOCKET
      accepts every connection and never reads or answers, like a scheduler
      that hangs.
  fault_server.py cut SOCKET UPSTREAM BYTES
      passes every connection through to the real scheduler at UPSTREAM, and
      drops it (both ways) once the client has sent more than BYTES on it:
      a connection that breaks while a document is being sent.

Writes "ready" on standard output once it listens; ends on SIGTERM, or by
itself after a minute.
"""
import os
import signal
import socket
import sys
import threading

LIFETIME = 60  # seconds


def listen(path):
    if os.path.exists(path):
        os.unlink(path)
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(path)
    server.listen(16)
    return server


def silent(server):
    held = []  # open, unread, unanswered
    while True:
        connection, _ = server.accept()
        held.append(connection)


def pump(source, sink, limit, on_cut):
    sent = 0
    try:
        while True:
            data = source.recv(4096)
            if not data:
                break
            if limit is not None and sent + len(data) > limit:
                on_cut()
                return
            sink.sendall(data)
            sent += len(data)
    except OSError:
        pass
    finally:
        try:
            sink.shutdown(socket.SHUT_WR)
        except OSError:
            pass


def cut(server, upstream, limit):
    while True:
        client, _ = server.accept()
        real = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        real.connect(upstream)

        def close_both(a=client, b=real):
            for s in (a, b):
                try:
                    s.shutdown(socket.SHUT_RDWR)
                except OSError:
                    pass
                s.close()

        threading.Thread(target=pump, args=(client, real, limit, close_both), daemon=True).start()
        threading.Thread(target=pump, args=(real, client, None, close_both), daemon=True).start()


def main():
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    signal.alarm(LIFETIME)
    mode, path = sys.argv[1], sys.argv[2]
    server = listen(path)
    print("ready", flush=True)
    if mode == "silent":
        silent(server)
    elif mode == "cut":
        cut(server, sys.argv[3], int(sys.argv[4]))
    else:
        sys.exit("unknown mode " + mode)


if __name__ == "__main__":
    main()
