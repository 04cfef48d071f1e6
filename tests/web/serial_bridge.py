#!/usr/bin/env python3
"""Carries a browser's serial bytes between a local WebSocket and a serial device.

The browser tests give the page a stand-in for the Web Serial port (serial_standin.js) whose
bytes travel over a WebSocket to this bridge, which passes them to and from the device (the
simulated module's pseudo-terminal) as they come. Nothing is batched or delayed here: the link
finds the end of a reply by 10 ms of silence, so a byte held back would end a reply early or
join two. Each WebSocket connection is one opening of the port: the device is opened raw
(115200 8N1, no echo, no translation) when the connection comes and closed when it goes.

Prints "ws://127.0.0.1:PORT/" on its first line once it listens (PORT is chosen free by the
system), then serves one connection at a time until SIGTERM or SIGINT.

Python's standard library only: the WebSocket handshake is a SHA-1 over the client's key, the
framing a few bytes of header.
"""

import argparse
import base64
import hashlib
import os
import select
import signal
import socket
import struct
import sys
import termios
import time

WS_GUID = b"258EAFA5-E914-47DA-95CA-C5AB0DC85B11"
OP_CONT, OP_TEXT, OP_BINARY, OP_CLOSE, OP_PING, OP_PONG = 0x0, 0x1, 0x2, 0x8, 0x9, 0xA


def open_raw(path):
    """The device opened as the module's link opens a port: raw, 115200 8N1, no flow control."""
    fd = os.open(path, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
    try:
        attrs = termios.tcgetattr(fd)
        iflag, oflag, cflag, lflag, _, _, cc = attrs
        iflag &= ~(termios.IGNBRK | termios.BRKINT | termios.PARMRK | termios.ISTRIP | termios.INLCR |
                   termios.IGNCR | termios.ICRNL | termios.IXON | termios.IXOFF | termios.IXANY | termios.INPCK)
        oflag &= ~termios.OPOST
        lflag &= ~(termios.ECHO | termios.ECHONL | termios.ICANON | termios.ISIG | termios.IEXTEN)
        cflag &= ~(termios.CSIZE | termios.PARENB | termios.CSTOPB | termios.CRTSCTS)
        cflag |= termios.CS8 | termios.CREAD | termios.CLOCAL
        cc[termios.VMIN] = 1
        cc[termios.VTIME] = 0
        speed = termios.B115200
        termios.tcsetattr(fd, termios.TCSANOW, [iflag, oflag, cflag, lflag, speed, speed, cc])
        termios.tcflush(fd, termios.TCIOFLUSH)
    except Exception:
        os.close(fd)
        raise
    return fd


def recv_exact(sock, n):
    data = bytearray()
    while len(data) < n:
        chunk = sock.recv(n - len(data))
        if not chunk:
            raise ConnectionError("peer closed")
        data += chunk
    return bytes(data)


def handshake(sock):
    """Reads the HTTP upgrade request and answers it; False when it is no WebSocket request."""
    request = bytearray()
    while b"\r\n\r\n" not in request:
        chunk = sock.recv(4096)
        if not chunk or len(request) > 16384:
            return False
        request += chunk
    key = None
    for line in request.decode("latin-1").split("\r\n")[1:]:
        name, _, value = line.partition(":")
        if name.strip().lower() == "sec-websocket-key":
            key = value.strip()
    if not key:
        sock.sendall(b"HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
        return False
    accept = base64.b64encode(hashlib.sha1(key.encode("ascii") + WS_GUID).digest()).decode("ascii")
    sock.sendall(("HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                  "Sec-WebSocket-Accept: " + accept + "\r\n\r\n").encode("ascii"))
    return True


def read_frame(sock):
    """One frame from the browser (always masked): (fin, opcode, payload)."""
    b0, b1 = recv_exact(sock, 2)
    length = b1 & 0x7F
    if length == 126:
        length = struct.unpack("!H", recv_exact(sock, 2))[0]
    elif length == 127:
        length = struct.unpack("!Q", recv_exact(sock, 8))[0]
    mask = recv_exact(sock, 4) if b1 & 0x80 else None
    payload = recv_exact(sock, length)
    if mask:
        payload = bytes(b ^ mask[i & 3] for i, b in enumerate(payload))
    return bool(b0 & 0x80), b0 & 0x0F, payload


def send_frame(sock, opcode, payload):
    n = len(payload)
    if n < 126:
        header = struct.pack("!BB", 0x80 | opcode, n)
    elif n < 65536:
        header = struct.pack("!BBH", 0x80 | opcode, 126, n)
    else:
        header = struct.pack("!BBQ", 0x80 | opcode, 127, n)
    sock.sendall(header + payload)


def write_all(fd, data):
    while data:
        try:
            n = os.write(fd, data)
            data = data[n:]
        except BlockingIOError:
            select.select([], [fd], [], 1.0)


def serve(conn, device, log):
    if not handshake(conn):
        return
    try:
        fd = open_raw(device)
    except OSError as e:
        log(f"cannot open {device}: {e}")
        send_frame(conn, OP_CLOSE, struct.pack("!H", 1011) + b"device")
        return
    log("port opened")
    fragments = bytearray()
    try:
        while True:
            readable, _, _ = select.select([conn, fd], [], [])
            if fd in readable:
                try:
                    data = os.read(fd, 4096)
                except BlockingIOError:
                    data = None
                except OSError:
                    data = b""  # the simulator went away: the device is lost
                if data == b"":
                    send_frame(conn, OP_CLOSE, struct.pack("!H", 1011) + b"device lost")
                    return
                if data:
                    send_frame(conn, OP_BINARY, data)
            if conn in readable:
                fin, opcode, payload = read_frame(conn)
                if opcode == OP_CLOSE:
                    send_frame(conn, OP_CLOSE, payload[:2])
                    return
                if opcode == OP_PING:
                    send_frame(conn, OP_PONG, payload)
                elif opcode in (OP_BINARY, OP_CONT):
                    fragments += payload
                    if fin:
                        log(f"{time.monotonic()*1000:.1f} out {fragments.hex()}")
                        write_all(fd, bytes(fragments))
                        fragments.clear()
    except (ConnectionError, OSError):
        pass
    finally:
        os.close(fd)
        log("port closed")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("device", help="the serial device (the simulator's pseudo-terminal)")
    parser.add_argument("--verbose", action="store_true", help="say when the port opens and closes")
    args = parser.parse_args()

    def log(text):
        if args.verbose:
            print("serial_bridge: " + text, file=sys.stderr, flush=True)

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", 0))
    server.listen(4)
    print(f"ws://127.0.0.1:{server.getsockname()[1]}/", flush=True)
    try:
        while True:
            conn, _ = server.accept()
            conn.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
            with conn:
                serve(conn, args.device, log)
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
