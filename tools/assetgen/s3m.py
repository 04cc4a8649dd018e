"""Writing ScreamTracker 3 modules: header, orders, sampled instruments, packed patterns."""
import struct

import numpy as np

ROWS = 64
NOTE_CUT = 254
CMD_SPEED, CMD_JUMP, CMD_BREAK, CMD_TEMPO = 1, 2, 3, 20
NAMES = ["C-", "C#", "D-", "D#", "E-", "F-", "F#", "G-", "G#", "A-", "A#", "B-"]


def note(text):
    """"C-4" or "F#3" to the module's note byte (octave in the high nibble)."""
    return (int(text[2]) << 4) | NAMES.index(text[:2])


class Instrument:
    def __init__(self, name, samples, c2spd, volume=64, loop=None):
        self.name, self.c2spd, self.volume, self.loop = name, c2spd, volume, loop
        self.samples = np.clip(np.rint(samples * 32767), -32768, 32767).astype(np.int32)


class Pattern:
    """64 rows; each row maps a channel to (note, instrument, volume, command, info)."""

    def __init__(self):
        self.rows = [dict() for _ in range(ROWS)]

    def put(self, row, ch, note_byte=None, ins=None, vol=None, cmd=None, info=0):
        old = self.rows[row].get(ch, (None, None, None, None, 0))
        new = (note_byte if note_byte is not None else old[0], ins if ins is not None else old[1],
               vol if vol is not None else old[2], cmd if cmd is not None else old[3],
               info if cmd is not None else old[4])
        self.rows[row][ch] = new

    def pack(self):
        out = bytearray()
        for row in self.rows:
            for ch in sorted(row):
                n, ins, vol, cmd, info = row[ch]
                what = ch
                if n is not None or ins is not None:
                    what |= 0x20
                if vol is not None:
                    what |= 0x40
                if cmd is not None:
                    what |= 0x80
                out.append(what)
                if what & 0x20:
                    out += bytes([255 if n is None else n, ins or 0])
                if what & 0x40:
                    out.append(vol)
                if what & 0x80:
                    out += bytes([cmd, info])
            out.append(0)
        return struct.pack("<H", len(out) + 2) + bytes(out)


def _pad16(buf):
    buf += b"\0" * (-len(buf) % 16)


def build(title, speed, tempo, pans, orders, instruments, patterns):
    """The whole module as bytes. `pans` gives 0..15 per channel (0 left, 15 right)."""
    ordlist = list(orders) + [255] * (len(orders) % 2 == 1)
    head = bytearray(title.encode("ascii")[:27].ljust(28, b"\0"))
    head += bytes([0x1A, 16, 0, 0])
    head += struct.pack("<HHHHHH", len(ordlist), len(instruments), len(patterns), 0, 0x1320, 2)
    # master volume 72 (stereo): the rendered song averages about -17 dBFS RMS, as loud as
    # the effects (audio.TARGET_RMS_DB), and peaks near -2 dBFS
    head += b"SCRM" + bytes([64, speed, tempo, 0x80 | 72, 16, 252]) + b"\0" * 8 + b"\0\0"
    settings = [255] * 32
    for ch, pan in enumerate(pans):
        settings[ch] = (8 + ch // 2) if pan >= 8 else ch // 2
    head += bytes(settings) + bytes(ordlist)
    pointer_at = len(head)
    head += b"\0" * (2 * (len(instruments) + len(patterns)))
    head += bytes([0x20 | p for p in pans] + [0] * (32 - len(pans)))
    _pad16(head)
    ins_at = []
    for _ in instruments:
        ins_at.append(len(head))
        head += b"\0" * 80
    pat_at = []
    for pat in patterns:
        _pad16(head)
        pat_at.append(len(head))
        head += pat.pack()
    for ins, at in zip(instruments, ins_at):
        _pad16(head)
        data_at = len(head)
        head += (ins.samples + 32768).astype("<u2").tobytes()
        loop = ins.loop or (0, 0)
        rec = struct.pack("<B12sBHIIIBBBBI12s28s4s", 1, b"", data_at >> 20, (data_at >> 4) & 0xFFFF,
                          len(ins.samples), loop[0], loop[1], ins.volume, 0, 0,
                          (1 if ins.loop else 0) | 4, ins.c2spd, b"", ins.name.encode("ascii"),
                          b"SCRS")
        head[at:at + 80] = rec
    ptrs = [a >> 4 for a in ins_at + pat_at]
    head[pointer_at:pointer_at + 2 * len(ptrs)] = struct.pack("<%dH" % len(ptrs), *ptrs)
    return bytes(head)
