"""A DNS responder for the 'online' and 'silent' scenario modes.

Listens on 127.0.0.1:53 inside the scenario's network namespace and answers
every A query with 127.0.0.1 (other types: no records), so the program's
probe host resolves to the loopback and nothing leaves the namespace.
Usage: resolver.py READY_FILE  (written once the socket is bound)
"""
import socket
import struct
import sys

LOOPBACK = socket.inet_aton("127.0.0.1")
TYPE_A, CLASS_IN = 1, 1


def question_end(msg):
    """Offset just past the first question's QNAME, QTYPE and QCLASS."""
    at = 12
    while msg[at] != 0:
        at += 1 + msg[at]
    return at + 5


def answer(query):
    ident, flags = struct.unpack(">HH", query[:4])
    end = question_end(query)
    qtype, qclass = struct.unpack(">HH", query[end - 4:end])
    records = b""
    if qtype == TYPE_A and qclass == CLASS_IN:
        # Name as a pointer to the question (offset 12), TTL 60 s.
        records = struct.pack(">HHHIH", 0xC00C, TYPE_A, CLASS_IN, 60, 4) + LOOPBACK
    count = 1 if records else 0
    # Response, recursion desired copied, recursion available, NOERROR.
    out_flags = 0x8000 | (flags & 0x0100) | 0x0080
    header = struct.pack(">HHHHHH", ident, out_flags, 1, count, 0, 0)
    return header + query[12:end] + records


def main():
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind(("127.0.0.1", 53))
    with open(sys.argv[1], "w") as ready:
        ready.write("ready\n")
    while True:
        query, peer = sock.recvfrom(512)
        try:
            sock.sendto(answer(query), peer)
        except (IndexError, struct.error):
            pass  # not a query we understand: no answer, as a server would


if __name__ == "__main__":
    main()
