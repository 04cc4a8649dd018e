#!/usr/bin/env python3
"""Writes hostile demos against a game folder, to measure what playing them costs.

usage: make_hostile_demos.py OUT_DIR GAME_DIR

The demos carry the real identities of GAME_DIR's archive and maps, so that they get past
the file checks and reach the part of the playback they attack. Files ending in .huge are
large (up to the 16 MB a demo may have); the others are small enough to keep as regression
inputs. Measure each with `/usr/bin/time -v SKDEMO --game GAME_DIR FILE`.
"""
import hashlib
import os
import sys

out, game = sys.argv[1], sys.argv[2]
os.makedirs(out, exist_ok=True)
DEMO_LIMIT = 16 << 20


def identity(path):
    data = open(path, 'rb').read()
    return '%d %s' % (len(data), hashlib.sha256(data).hexdigest())


maps = sorted((n for n in os.listdir(os.path.join(game, 'Maps')) if n.lower().endswith('.map')),
              key=lambda n: (n.lower(), n))
ARCHIVE = 'archive ' + identity(os.path.join(game, 'Skarveth.dat')) + '\n'
MAPS = ''.join('map "%s" %s\n' % (m, identity(os.path.join(game, 'Maps', m))) for m in maps)
SCORES = ''.join('score "%s.sco" missing\n' % m[:-4] for m in maps)


def head(settings='', maps=MAPS, scores=SCORES, extra=''):
    return ('SKARVETH DEMO 1\nseed 7\nsetting SkipIntro 1\n' + settings + ARCHIVE + maps +
            extra + scores)


def write(name, text):
    with open(os.path.join(out, name), 'w', encoding='latin-1', newline='\n') as f:
        f.write(text)


def fill(name, top, line, tail):
    """top, then `line` repeated until the file is just below the demo size limit, then tail."""
    count = (DEMO_LIMIT - len(top) - len(tail) - 64) // len(line)
    write(name, top + line * count + tail)
    return count


# The test map names files outside the game folder.
bogus = ' 1 ' + '0' * 64 + '\n'
write('testmap_passwd.txt', head('setting TestMap "/etc/passwd"\n') + 'testmap' + bogus + 'end 5\n')
write('testmap_dotdot.txt',
      head('setting TestMap "../outside/secret.txt"\n') + 'testmap' + bogus + 'end 5\n')
# ... a 1 GiB and a 64 GiB file (make them with `truncate -s 1G FILE`) in the folder above.
for size, name in ((1 << 30, '1gib'), (64 << 30, '64gib')):
    write('testmap_%s.txt' % name, head('setting TestMap "../outside/%s.map"\n' % name) +
          'testmap %d %s\nend 5\n' % (size, '0' * 64))
# Control bytes in texts that refusals show.
write('control_bytes.txt',
      head('setting TestMap "\\x1B]0;owned\\x07\\x1B[2J.map"\n') + 'testmap' + bogus + 'end 5\n')
write('control_line.txt', head() + '\x1b[2J\x07 unknown\nend 5\n')
# Score lines that name maps, or files no listed map has.
first = maps[0]
write('score_replaces_map.txt', head() + 'score "%s" 00\nend 5\n' % first)
write('score_adds_map.txt', head() + 'score "Extra.map" 534b\nend 5\n')
write('score_twice.txt', head() + 'score "%s.sco" missing\nend 5\n' % first[:-4])
# Counts: a demo of score lines only, distinct names making files, repeated map lines.
n = fill('score_lines.txt.huge', head(), 'score "a" 00\n', 'end 5\n')
print('score_lines: %d score lines' % n)
lines = ''.join('score "s%07d.sco" 00\n' % i for i in range((DEMO_LIMIT - 4096) // 24))
write('score_names.txt.huge', head() + lines + 'end 5\n')
rustyard = MAPS.splitlines(True)[0]
n = fill('map_repeated.txt.huge', head(maps=''), rustyard, SCORES.splitlines(True)[0] + 'end 5\n')
print('map_repeated: %d map lines' % n)
# Time: the longest session, the slowest frame delay, full-screen switches in one tick.
write('end_max.txt', head() + 'end 10000000\n')
write('frame_delay_max.txt', head('setting FrameDelay 2147483647\n') + 'end 5\n')
write('alt_enter_10k.txt', head() + '1 key Enter alt\n' * 10000 + 'end 5\n')
n = fill('alt_enter_storm.txt.huge', head(), '1 key Enter alt\n', 'end 5\n')
print('alt_enter_storm: %d switches' % n)
# Screen changes in one tick: "Fight!" on the map page starts a match, Escape leaves it.
walk = ''.join('%d move %s\n%d click %s\n' % (t, xy, t, xy)
               for t, xy in ((56, '320 217'), (112, '520 417'), (168, '302 117')))
n = fill('screen_storm.txt.huge', head() + walk, '224 move 520 417\n224 click 520 417\n'
         '224 key Escape\n',
         'end 230\n')
print('screen_storm: %d match starts' % n)
