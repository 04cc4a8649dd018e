#!/usr/bin/env python3
"""Writes the hand-made hostile inputs used to measure the readers' memory into a folder.

usage: make_hostile_files.py OUT_DIR [JPEG]
JPEG is a small baseline JPEG used as a map background (default: the fuzz corpus's).
Files ending in .huge are sparse and large; the others are small enough to keep as
regression inputs.
"""
import os
import struct
import sys

out = sys.argv[1]
here = os.path.dirname(os.path.abspath(__file__))
small_jpeg = open(sys.argv[2] if len(sys.argv) > 2 else
                  os.path.join(here, 'corpus/jpeg/baseline.jpg'), 'rb').read()
progressive_jpeg = open(os.path.join(here, 'corpus/jpeg/progressive.jpg'), 'rb').read()
os.makedirs(out, exist_ok=True)


def write(name, data):
    with open(os.path.join(out, name), 'wb') as f:
        f.write(data)


def sparse(name, head, size):
    with open(os.path.join(out, name), 'wb') as f:
        f.write(head)
        f.truncate(size)


def bmp(width, height, bits, compression, palette_count, data, file_size=None):
    palette = bytes(4 * palette_count)
    offset = 14 + 40 + len(palette)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, compression, len(data),
                       0, 0, palette_count, 0)
    size = file_size if file_size is not None else offset + len(data)
    return b'BM' + struct.pack('<IHHI', size, 0, 0, offset) + info + palette + data


# BMP: an RLE4 picture of 5333 x 5333 that is only an end of bitmap (141 bytes).
write('bmp_rle4_5333.bmp', bmp(5333, 5333, 4, 2, 16, bytes([0, 0, 0, 0, 0, 0, 0, 1]) + bytes(15)))
# BMP: a 24-bit header claiming 8192 x 8192 with no pixel data (58 bytes).
write('bmp_24_8192_header.bmp', bmp(8192, 8192, 24, 0, 0, bytes(4)))
# BMP: an RLE8 picture of 8192 x 8192 that is only an end of bitmap (1,080 bytes).
write('bmp_rle8_8192_eob.bmp', bmp(8192, 8192, 8, 1, 256, bytes([0, 1])))
# BMP: the largest picture still allowed, 2048 x 2048 RLE8, only an end of bitmap.
write('bmp_rle8_2048_eob.bmp', bmp(2048, 2048, 8, 1, 256, bytes([0, 1])))


def with_size(jpeg, width, height):
    """The JPEG with its frame header claiming width x height."""
    data = bytearray(jpeg)
    i = 2
    while i + 4 <= len(data):
        assert data[i] == 0xFF
        marker = data[i + 1]
        length = data[i + 2] << 8 | data[i + 3]
        if marker in (0xC0, 0xC1, 0xC2):
            data[i + 5:i + 7] = struct.pack('>H', height)
            data[i + 7:i + 9] = struct.pack('>H', width)
            return bytes(data)
        i += 2 + length
    raise ValueError('no frame header')


def frame_only(jpeg, width, height, keep_scans=0):
    """The JPEG's headers claiming width x height, with its first `keep_scans` scans."""
    data = with_size(jpeg, width, height)
    i = 2
    scans = 0
    while i + 4 <= len(data):
        marker = data[i + 1]
        length = data[i + 2] << 8 | data[i + 3]
        if marker == 0xDA:
            if scans == keep_scans:
                return data[:i] + b'\xff\xd9'
            scans += 1
            j = i + 2 + length
            while not (data[j] == 0xFF and data[j + 1] not in (0x00,) and
                       not 0xD0 <= data[j + 1] <= 0xD7):
                j += 1
            i = j
            continue
        i += 2 + length
    return data


# JPEG: headers only, claiming 8192 x 8192, baseline and progressive.
write('jpeg_baseline_8192_nodata.jpg', frame_only(small_jpeg, 8192, 8192))
write('jpeg_progressive_8192_header.jpg', frame_only(progressive_jpeg, 8192, 8192))
write('jpeg_progressive_2048_header.jpg', frame_only(progressive_jpeg, 2048, 2048))
# JPEG: progressive files whose first scan is repeated to 99 scans in all, claiming
# 8192 x 8192 and, at the pixel cap, 2048 x 2048; and the latter with its own scans only.
for side in (8192, 2048):
    full = with_size(progressive_jpeg, side, side)
    first = full.index(b'\xff\xda')
    second = full.index(b'\xff\xda', first + 2)
    repeats = 99 - full.count(b'\xff\xda')
    write('jpeg_progressive_%d_99scans.jpg' % side,
          full[:second] + full[first:second] * repeats + full[second:])
write('jpeg_progressive_2048_claimed.jpg', with_size(progressive_jpeg, 2048, 2048))


def map_file(name, paths, final, background, mask=b'', mask_size=None, background_size=None):
    data = b'SKARVETH_MAP\x01' + bytes([len(name)]) + name + struct.pack('<hh', *final)
    data += bytes([len(paths)])
    for path in paths:
        data += bytes([len(path)]) + b''.join(struct.pack('<hhH', *w) for w in path)
    data += struct.pack('<ii', len(background) if background_size is None else background_size,
                        len(mask) if mask_size is None else mask_size)
    return data + background + mask


# Map: 8 paths of 255 waypoints of 65535 frames (12.6 KB; 535 MB of per-tick tables).
longest = [[((k * 97 + p * 13) % 640, (k * 61 + p * 29) % 480, 65535) for k in range(255)]
           for p in range(8)]
write('map_longest_paths.map', map_file(b'Longest', longest, (320, 240), small_jpeg))
# Map: a small map followed by 1 GiB of nothing (sparse).
sparse('map_1gib.map.huge', map_file(b'Huge', [[(0, 0, 10)]], (5, 5), small_jpeg), 1 << 30)
# Map: a background said to be 100 MB long, in a file that really is that long (sparse).
sparse('map_background_100mb.map.huge',
       map_file(b'Big picture', [[(0, 0, 10)]], (5, 5), small_jpeg,
                background_size=100 << 20), 101 << 20)

# Models.def: 10 MB of line breaks, and 1 GiB (sparse, so NUL bytes after the first line).
write('models_newlines_10mb.def.huge', b'\n' * (10 << 20))
sparse('models_1gib.def.huge', b'Vex\n', 1 << 30)
# Skarveth.ini: 60 MB of short lines, and the shipped-style file with its header twice.
write('settings_60mb.ini.huge', b'[Skarveth Configuration]\n' + b'a=1\n' * (15 << 20))
# Archive: one member said to be 1 GiB long, in a file that is (sparse).
entry = struct.pack('<I', 1 << 30) + bytes([10]) + b'Models.def'
directory = struct.pack('<H', 1) + entry
sparse('archive_1gib_member.dat.huge',
       b'SKARVETH_DATA\x01' + struct.pack('<I', len(directory)) + directory,
       18 + len(directory) + (1 << 30))
# Archive: a directory length of 1 GiB in a file that long (sparse).
directory = struct.pack('<H', 0)
sparse('archive_1gib_directory.dat.huge',
       b'SKARVETH_DATA\x01' + struct.pack('<I', 1 << 30) + directory, 18 + (1 << 30))
