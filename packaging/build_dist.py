#!/usr/bin/env python3
"""Builds Wordloft's release from a built Windows program.

    build_dist.py PROGRAM OUT-FOLDER [--work FOLDER]

writes into OUT-FOLDER, for the 32-bit program that players download:
    wordloft-VERSION-win32.zip   the stripped program, wlthelp.hlp, its HTML
                                 twin wlthelp.htm with the topic page
                                 wlthelp-104.htm, README.txt and LICENSE.txt
    wordloft-VERSION-setup.exe   the installer (NSIS, packaging/wordloft.nsi)
    SHA256SUMS                   the checksums of both, as sha256sum -c reads

The same sources give the same bytes: the program is stripped and every
date (the PE header's, the files' in the zip and the installer) is the
release date, SOURCE_DATE_EPOCH when it is set; zip entries are sorted.
The version comes from resources/version.h. The help files come from the
help generator, tools/helpgen/helpgen.py.
"""

import argparse
import calendar
import glob
import hashlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
HERE = os.path.join(ROOT, 'packaging')

RELEASE_EPOCH = calendar.timegm((2026, 12, 8, 12, 0, 0))

STRIP = 'i686-w64-mingw32-strip'

# Each language's help source and the stem of its files: wordloft-help.txt
# gives wlthelp.hlp, wlthelp.htm and wlthelp-104.htm; wordloft-help-de.txt
# the same as wlthelp-de.*.
HELP_SOURCES = sorted(glob.glob(os.path.join(ROOT, 'resources', 'help', 'wordloft-help*.txt')))


def help_stem(source):
    return os.path.basename(source)[:-len('.txt')].replace('wordloft-help', 'wlthelp')


# The files of a release, in the order of the zip (sorted by name).
RELEASE_FILES = sorted(['LICENSE.txt', 'README.txt', 'wordloft.exe'] +
                       [help_stem(s) + suffix for s in HELP_SOURCES for suffix in ('-104.htm', '.hlp', '.htm')])


class DistError(Exception):
    pass


def read_version(header=os.path.join(ROOT, 'resources', 'version.h')):
    """Returns (full, short) from version.h, after checking that its numbers
    and its two texts agree with one another."""
    text = open(header, encoding='ascii').read()
    fields = dict(re.findall(r'^#define[ \t]+WORDLOFT_VERSION_(\w+)[ \t]+(\S+)', text, re.M))
    try:
        numbers = [int(fields[k]) for k in ('MAJOR', 'MINOR', 'PATCH', 'BUILD')]
        full = fields['FULL'].strip('"')
        short = fields['SHORT'].strip('"')
    except (KeyError, ValueError) as e:
        raise DistError('%s lacks a version field: %s' % (header, e))
    if full != '.'.join(map(str, numbers)):
        raise DistError('%s: WORDLOFT_VERSION_FULL %s differs from its numbers %s'
                        % (header, full, numbers))
    if short != '%d.%d' % tuple(numbers[:2]):
        raise DistError('%s: WORDLOFT_VERSION_SHORT %s differs from %d.%d'
                        % (header, short, numbers[0], numbers[1]))
    return full, short


def release_names(short):
    return 'wordloft-%s-win32.zip' % short, 'wordloft-%s-setup.exe' % short


def run(command, **kwargs):
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            text=True, **kwargs)
    if result.returncode != 0:
        raise DistError('%s failed:\n%s' % (' '.join(command), result.stdout))


def windows_text(source, version):
    """A UTF-8 text with LF line ends as Windows-1252 with CR LF."""
    text = open(source, encoding='utf-8').read().replace('{version}', version)
    return text.replace('\r\n', '\n').replace('\n', '\r\n').encode('cp1252')


def stage_files(program, stage, short, epoch):
    """Puts the release files into the stage folder, dated epoch."""
    shutil.rmtree(stage, ignore_errors=True)
    os.makedirs(stage)
    # strip writes SOURCE_DATE_EPOCH into the PE header instead of the time.
    env = dict(os.environ, SOURCE_DATE_EPOCH=str(epoch))
    run([STRIP, '-o', os.path.join(stage, 'wordloft.exe'), program],
        env=env)
    helpgen = os.path.join(ROOT, 'tools', 'helpgen', 'helpgen.py')
    if not os.path.exists(helpgen):
        raise DistError('the help generator %s is missing' % helpgen)
    for source in HELP_SOURCES:
        stem = help_stem(source)
        run([sys.executable, helpgen, source,
             '--hlp', os.path.join(stage, stem + '.hlp'),
             '--htm', os.path.join(stage, stem + '.htm')])
    with open(os.path.join(stage, 'README.txt'), 'wb') as f:
        f.write(windows_text(os.path.join(HERE, 'README.txt'), short))
    with open(os.path.join(stage, 'LICENSE.txt'), 'wb') as f:
        f.write(windows_text(os.path.join(ROOT, 'LICENSE.txt'), short))
    for name in RELEASE_FILES:
        path = os.path.join(stage, name)
        if not os.path.isfile(path):
            raise DistError('%s was not made' % path)
        os.utime(path, (epoch, epoch))


def write_zip(stage, target, epoch):
    """A zip whose bytes depend only on the staged files' contents."""
    stamp = time.gmtime(epoch)[:6]
    with zipfile.ZipFile(target, 'w', zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name in sorted(RELEASE_FILES):
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.create_system = 0           # made on MS-DOS/Windows
            info.external_attr = 0x20        # FILE_ATTRIBUTE_ARCHIVE
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(stage, name), 'rb') as f:
                z.writestr(info, f.read(), compresslevel=9)


def write_installer(stage, target, full, short):
    run(['makensis', '-V2', '-NOCD',
         '-DVERSION=' + short, '-DVERSION_FULL=' + full,
         '-DSTAGE=' + os.path.abspath(stage),
         '-DICON=' + os.path.join(ROOT, 'resources', 'icons', 'wordloft.ico'),
         '-DOUTFILE=' + os.path.abspath(target),
         os.path.join(HERE, 'wordloft.nsi')])


def sha256(path):
    with open(path, 'rb') as f:
        return hashlib.sha256(f.read()).hexdigest()


def build(program, out, work=None):
    """Builds the release of program into out; returns the paths written."""
    if not os.path.isfile(program):
        raise DistError('%s does not exist' % program)
    full, short = read_version()
    epoch = int(os.environ.get('SOURCE_DATE_EPOCH', RELEASE_EPOCH))
    if work is None:
        with tempfile.TemporaryDirectory() as temporary:
            return build(program, out, temporary)
    stage = os.path.join(work, 'stage')
    stage_files(program, stage, short, epoch)
    os.makedirs(out, exist_ok=True)
    zip_name, setup_name = release_names(short)
    write_zip(stage, os.path.join(out, zip_name), epoch)
    write_installer(stage, os.path.join(out, setup_name), full, short)
    sums = os.path.join(out, 'SHA256SUMS')
    with open(sums, 'w', newline='\n') as f:
        for name in sorted((zip_name, setup_name)):
            f.write('%s  %s\n' % (sha256(os.path.join(out, name)), name))
    return [os.path.join(out, n) for n in (zip_name, setup_name)] + [sums]


def main(argv):
    parser = argparse.ArgumentParser(description='Builds the release of Wordloft.')
    parser.add_argument('program', help='the built wordloft.exe')
    parser.add_argument('out', help='the folder to write the release into')
    parser.add_argument('--work', help='a folder for intermediate files (default: a '
                        'temporary one)')
    args = parser.parse_args(argv)
    try:
        written = build(args.program, args.out, args.work)
    except DistError as e:
        print('build_dist: %s' % e, file=sys.stderr)
        return 1
    for path in written:
        print('%10d  %s' % (os.path.getsize(path), path))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
