#!/usr/bin/env python3
"""Checks Wordloft's release as a player gets it.

    tests/dist/test_dist.py BUILD-FOLDER

- version: the program's version information and About menu texts agree
  with resources/version.h;
- zip: the release zip of BUILD/win32/wordloft.exe holds the stripped
  program with a fixed PE date, the help and its HTML twin, a Windows-1252
  CR LF read-me and the licence; the checksums match;
- reproducible: a second build of the release gives the same bytes;
- installer: the players' 32-bit installer is built;
- install ... uninstall: that installer, installed silently in a throw-away
  64-bit Wine prefix as on 64-bit Windows: the files in Program Files (x86),
  the shortcuts, the Add/Remove Programs entry in the 32-bit view of the
  registry and the registration of .WLT files, the installed game shows its
  window (and the uninstaller refuses to run meanwhile), a .WLT file opened
  as Explorer opens it becomes the game's list, and the silent uninstall
  removes everything but the player's preference file; the registration of
  .WLT only while it still names the game.

Needs makensis, wine and an X display (run it under scripts/with-display.sh).
Prints "PASS name" or "FAIL name" with reasons, then "N passed, M failed,
K skipped". Where this machine cannot run 32-bit programs the checks under
Wine are each reported "SKIP name".
"""

import hashlib
import os
import re
import shutil
import struct
import subprocess
import sys
import time
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(ROOT, 'packaging'))
sys.path.insert(0, os.path.join(ROOT, 'tests', 'assets'))

import build_dist  # noqa: E402
import pe_resources  # noqa: E402
import shell_link  # noqa: E402

INSTALL_DIR = r'C:\Program Files (x86)\Wordloft'
UNINSTALL_KEY = r'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wordloft'
LIST_EXTENSION_KEY = r'HKLM\Software\Classes\.wlt'
LIST_CLASS_KEY = r'HKLM\Software\Classes\Wordloft.WordList'
ZIPPED = ['LICENSE.txt', 'README.txt', 'wlthelp-104.htm', 'wlthelp-es-104.htm', 'wlthelp-es.hlp',
          'wlthelp-es.htm', 'wlthelp.hlp', 'wlthelp.htm', 'wordloft.exe']
INSTALLED = ['LICENSE.txt', 'README.txt', 'uninstall.exe', 'wlthelp-104.htm', 'wlthelp-es-104.htm',
             'wlthelp-es.hlp', 'wlthelp-es.htm', 'wlthelp.hlp', 'wlthelp.htm', 'wordloft.exe']
WINE_TIMEOUT = 120


def pe_header(data):
    """(machine, time stamp, section names, symbol count) of a PE file. Long
    section names ("/N") are read from the string table after the symbols."""
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    if data[:2] != b'MZ' or data[pe:pe + 4] != b'PE\0\0':
        raise ValueError('not a PE file')
    machine, count, stamp, symbols_at, symbols, optional_size = \
        struct.unpack_from('<HHIIIH', data, pe + 4)
    strings = symbols_at + 18 * symbols
    table = pe + 24 + optional_size
    names = []
    for i in range(count):
        name = data[table + 40 * i:table + 40 * i + 8].rstrip(b'\0').decode('latin-1')
        if name.startswith('/') and symbols_at:
            at = strings + int(name[1:])
            name = data[at:data.index(b'\0', at)].decode('latin-1')
        names.append(name)
    return machine, stamp, names, symbols


def version_texts(blob):
    """The fixed file version and the string values of a version resource."""
    at = blob.find(struct.pack('<I', 0xFEEF04BD))
    if at < 0:
        raise ValueError('no VS_FIXEDFILEINFO')
    ms, ls = struct.unpack_from('<II', blob, at + 8)
    fixed = '%d.%d.%d.%d' % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    text = blob.decode('utf-16-le', 'replace')
    strings = dict(re.findall(r'(\w+)\x00+([^\x00]+)\x00', text))
    return fixed, strings


# ---- checks of the release files -------------------------------------------

def check_version(ctx):
    faults = []
    full, short = ctx['version']
    res = pe_resources.read_resources(ctx['program32'])
    fixed, strings = version_texts(res[16][1])
    if fixed != full:
        faults.append('FILEVERSION is %s, version.h says %s' % (fixed, full))
    for key, want in (('FileVersion', full), ('ProductVersion', short)):
        if strings.get(key) != want:
            faults.append('%s is %r, expected %r' % (key, strings.get(key), want))
    # English's menu: the program holds menu 109 in every language it speaks.
    menu = pe_resources.read_resources(ctx['program32'], every_language=True)[4][109][0x409]
    for item in ('&About Wordloft v%s...' % short, '&About Wordloft v%s..' % short):
        if (item + '\0').encode('utf-16-le') not in menu:
            faults.append('menu 109 lacks the item "%s"' % item)
    return faults


def check_text_file(name, data, must_hold):
    faults = []
    if b'\n' not in data or re.search(rb'(?<!\r)\n|\r(?!\n)', data):
        faults.append('%s: not every line ends with CR LF' % name)
    if re.search(rb'[\x80-\xff]', data):
        try:
            data.decode('utf-8')
            faults.append('%s: written as UTF-8, not Windows-1252' % name)
        except UnicodeDecodeError:
            pass
    text = data.decode('cp1252', 'replace')
    for piece in must_hold:
        if piece not in text:
            faults.append('%s lacks "%s"' % (name, piece))
    return faults


def check_zip(ctx):
    faults = []
    full, short = ctx['version']
    path = ctx['x86'][0]
    if os.path.basename(path) != 'wordloft-%s-win32.zip' % short:
        faults.append('zip named %s' % os.path.basename(path))
    stamp = time.gmtime(build_dist.RELEASE_EPOCH)[:6]
    with zipfile.ZipFile(path) as z:
        names = [i.filename for i in z.infolist()]
        if names != ZIPPED:
            faults.append('zip entries %s' % names)
        for info in z.infolist():
            if info.date_time != stamp or info.create_system != 0:
                faults.append('%s dated %s, made on system %d'
                              % (info.filename, info.date_time, info.create_system))
        if z.testzip() is not None:
            faults.append('zip entry %s is damaged' % z.testzip())
        files = {n: z.read(n) for n in names}
    program = files.get('wordloft.exe', b'')
    machine, pe_stamp, sections, symbols = pe_header(program)
    if machine != 0x14C:
        faults.append('the zipped program is not 32-bit (machine 0x%X)' % machine)
    if pe_stamp != build_dist.RELEASE_EPOCH:
        faults.append('PE time stamp 0x%X, not the release date' % pe_stamp)
    if symbols or any(s.startswith(('.debug', '.stab')) for s in sections):
        faults.append('the zipped program is not stripped: %d symbols, sections %s'
                      % (symbols, sections))
    if not files.get('wlthelp.hlp', b'').startswith(b'?_\x03\x00'):
        faults.append('wlthelp.hlp is no Windows Help file')
    if b'<html' not in files.get('wlthelp.htm', b'').lower():
        faults.append('wlthelp.htm is no HTML page')
    faults += check_text_file('README.txt', files.get('README.txt', b''), [
        'Wordloft %s\r\n' % short, 'WWLT.DAT', 'Windows directory',
        r'%LOCALAPPDATA%\VirtualStore\Windows\WWLT.DAT', 'Uninstall',
        'wordloft-%s-setup.exe' % short, 'finds \xc9 and \xc8'])
    faults += check_text_file('LICENSE.txt', files.get('LICENSE.txt', b''), [
        'MIT License', 'Copyright (c) 2026 The Wordloft developers'])
    faults += check_sums(ctx['x86'])
    return faults


def check_sums(written):
    faults = []
    with open(written[2]) as f:
        lines = f.read().splitlines()
    listed = {}
    for line in lines:
        digest, name = line.split('  ', 1)
        listed[name] = digest
    for path in written[:2]:
        with open(path, 'rb') as f:
            digest = hashlib.sha256(f.read()).hexdigest()
        if listed.get(os.path.basename(path)) != digest:
            faults.append('SHA256SUMS does not match %s' % path)
    if sorted(listed) != sorted(os.path.basename(p) for p in written[:2]):
        faults.append('SHA256SUMS lists %s' % sorted(listed))
    return faults


def check_reproducible(ctx):
    # A clock that moved on must not show in the bytes.
    time.sleep(1.1)
    again = build_dist.build(ctx['program32_path'], os.path.join(ctx['work'], 'x86-again'),
                             os.path.join(ctx['work'], 'stage-again'))
    faults = []
    for first, second in zip(ctx['x86'], again):
        with open(first, 'rb') as a, open(second, 'rb') as b:
            if a.read() != b.read():
                faults.append('%s differs between two builds' % os.path.basename(first))
    return faults


def check_installer(ctx):
    """The players' installer: its name, a 32-bit program, its description."""
    faults = []
    short = ctx['version'][1]
    path = ctx['x86'][1]
    if os.path.basename(path) != 'wordloft-%s-setup.exe' % short:
        faults.append('installer named %s' % os.path.basename(path))
    with open(path, 'rb') as f:
        data = f.read()
    if pe_header(data)[0] != 0x14C:
        faults.append('the installer is no 32-bit program (machine 0x%X)' % pe_header(data)[0])
    if (('Wordloft %s Setup' % short).encode('utf-16-le')) not in data:
        faults.append('installer carries no "Wordloft %s Setup" description' % short)
    return faults


# ---- the installer under Wine ----------------------------------------------

def wine_env(prefix):
    return dict(os.environ, WINEPREFIX=prefix, WINEARCH='win64', WINEDEBUG='-all',
                WINEDLLOVERRIDES='mscoree,mshtml=')


def windows_path(path):
    return 'Z:' + os.path.abspath(path).replace('/', '\\')


def on_disk(ctx, windows):
    """The file of the prefix behind a C: path."""
    return os.path.join(ctx['prefix'], 'drive_c', *windows[3:].split('\\'))


def wine(ctx, *args, wait=False):
    """Runs a Windows program; with wait, also waits until every process of
    the prefix has ended (an uninstaller goes on in a copy of itself)."""
    result = subprocess.run(['wine'] + list(args), env=ctx['env'], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, timeout=WINE_TIMEOUT)
    if wait:
        subprocess.run(['wineserver', '-w'], env=ctx['env'], timeout=WINE_TIMEOUT)
    return result.returncode, result.stdout.decode('cp1252', 'replace').replace('\r', '')


def make_prefix(build, work):
    """A throw-away prefix, copied from the template the Wine tests share."""
    template = os.path.join(build, 'wine-prefix-template')
    subprocess.run([os.path.join(ROOT, 'scripts', 'wine-template.sh'), template], check=True,
                   stdout=subprocess.DEVNULL, timeout=WINE_TIMEOUT)
    prefix = os.path.join(work, 'prefix')
    shutil.rmtree(prefix, ignore_errors=True)
    subprocess.run(['cp', '-a', template, prefix], check=True)
    return prefix


def registry_values(ctx, view='32', key=UNINSTALL_KEY):
    """A key's values in one view of the registry ("(Default)" for the
    key's own value), or None when the key is not there."""
    status, out = wine(ctx, 'reg', 'query', key, '/reg:' + view)
    if status != 0:
        return None
    values = {}
    for line in out.splitlines():
        match = re.match(r'\s+(\S+)\s+(REG_\w+)\s+(.*?)\s*$', line)
        if match:
            values[match.group(1)] = match.group(3)
    return values


def shortcut_paths(ctx):
    programs = r'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Wordloft'
    return {
        'start menu': (programs + r'\Wordloft.lnk', INSTALL_DIR + r'\wordloft.exe'),
        'help': (programs + r'\Wordloft Help.lnk', INSTALL_DIR + r'\wlthelp.htm'),
        'desktop': (r'C:\users\Public\Desktop\Wordloft.lnk', INSTALL_DIR + r'\wordloft.exe'),
    }


def check_install(ctx):
    faults = []
    status, _ = wine(ctx, windows_path(ctx['x86'][1]), '/S', wait=True)
    if status != 0:
        faults.append('the silent install ended with status %d' % status)
    stage = os.path.join(ctx['work'], 'stage', 'stage')
    for name in INSTALLED:
        path = on_disk(ctx, INSTALL_DIR + '\\' + name)
        if not os.path.isfile(path):
            faults.append('%s was not installed' % name)
        elif name != 'uninstall.exe':
            with open(path, 'rb') as a, open(os.path.join(stage, name), 'rb') as b:
                if a.read() != b.read():
                    faults.append('the installed %s differs from the release' % name)
    return faults


def check_shortcuts(ctx):
    faults = []
    for what, (link, target) in shortcut_paths(ctx).items():
        try:
            with open(on_disk(ctx, link), 'rb') as f:
                read = shell_link.read_link(f.read())
        except (OSError, shell_link.LinkError, struct.error) as e:
            faults.append('%s shortcut: %s' % (what, e))
            continue
        if read.get('target', '').lower() != target.lower():
            faults.append('%s shortcut points at %r' % (what, read.get('target')))
        if read.get('working_dir', '').lower() != INSTALL_DIR.lower():
            faults.append('%s shortcut starts in %r' % (what, read.get('working_dir')))
        ctx.setdefault('links', {})[what] = read
    return faults


def check_registry(ctx):
    faults = []
    values = registry_values(ctx)
    if values is None:
        return ['no uninstall entry %s in the 32-bit view of the registry' % UNINSTALL_KEY]
    if registry_values(ctx, '64') is not None:
        faults.append('the uninstall entry is in the 64-bit view of the registry too')
    want = {'DisplayName': 'Wordloft', 'DisplayVersion': ctx['version'][0],
            'Publisher': 'The Wordloft developers',
            'DisplayIcon': INSTALL_DIR + r'\wordloft.exe,0',
            'QuietUninstallString': '"%s\\uninstall.exe" /S' % INSTALL_DIR}
    for key, value in want.items():
        if values.get(key) != value:
            faults.append('%s is %r, expected %r' % (key, values.get(key), value))
    installed_kb = sum(os.path.getsize(on_disk(ctx, INSTALL_DIR + '\\' + n))
                       for n in INSTALLED) / 1024
    try:
        size = int(values.get('EstimatedSize', ''), 16)
    except ValueError:
        size = -1
    if abs(size - installed_kb) > 8:
        faults.append('EstimatedSize %d KB, the files take %d KB' % (size, installed_kb))
    ctx['quiet_uninstall'] = values.get('QuietUninstallString', '')
    return faults + list_registration_faults(ctx)


def list_registration(ctx):
    """The registration of .WLT files, in the 64-bit view that Explorer
    reads: {key: default value or None}."""
    keys = [LIST_EXTENSION_KEY, LIST_CLASS_KEY, LIST_CLASS_KEY + r'\DefaultIcon',
            LIST_CLASS_KEY + r'\shell\open\command']
    return {key: (registry_values(ctx, '64', key) or {}).get('(Default)') for key in keys}


def list_registration_faults(ctx):
    want = [('Wordloft.WordList', 'the extension names'), ('Wordloft word list', 'the type is'),
            (INSTALL_DIR + r'\wordloft.exe,0', 'the icon is'),
            ('"%s\\wordloft.exe" "%%1"' % INSTALL_DIR, 'the open command is')]
    got = list_registration(ctx)
    faults = ['.WLT: %s %r, expected %r' % (what, got[key], value)
              for (value, what), key in zip(want, got) if got[key] != value]
    # Several files opened together reach the one game, not a game each.
    model = (registry_values(ctx, '64', LIST_CLASS_KEY + r'\shell\open') or {}).get('MultiSelectModel')
    if model != 'Player':
        faults.append('.WLT: the open verb\'s MultiSelectModel is %r, expected \'Player\'' % model)
    return faults


def check_list_opens(ctx):
    """A .WLT file opened as Explorer opens it (its open verb) starts the
    game, whose empty custom list takes the file's two entries and which
    plays from Custom Words: the record says so; the game then closes as a
    player closes it."""
    image = bytearray(26004)
    struct.pack_into('<Hh5s23x6s', image, 0, 10101, 2, b'PARIS', b'France')
    image[134:140] = b'LONDON'
    os.makedirs(on_disk(ctx, r'C:\wordlists'), exist_ok=True)
    with open(on_disk(ctx, r'C:\wordlists\geography.WLT'), 'wb') as f:
        f.write(image)
    wine(ctx, 'start', r'C:\wordlists\geography.WLT')
    record, deadline = b'', time.time() + 30
    while record[140:142] != b'\2\0' and time.time() < deadline:
        time.sleep(0.2)
        with open(ctx['preferences'], 'rb') as f:
            record = f.read()
    wine(ctx, 'taskkill', '/im', 'wordloft.exe', wait=True)
    if len(record) != 34056 or record[16:20] != struct.pack('<I', 32783) or \
            record[140:148] != b'\2\0PARIS\0' or record[170:177] != b'France\0' or \
            record[272:279] != b'LONDON\0':
        return ['the opened .WLT did not become the list played: count %r, source %r, entries %r'
                % (record[140:142], record[16:20], record[142:290])]
    return []


def check_game_runs(ctx):
    """The game, started as its Start Menu shortcut says, shows its window;
    while it runs the uninstaller refuses to start (run in place, so that
    its exit code tells); the game closes like a player closes it and
    leaves its preference file."""
    link = ctx.get('links', {}).get('start menu')
    if not link or not ctx.get('quiet_uninstall'):
        return ['no Start Menu shortcut or uninstall command to work with']
    tool = os.path.join(ctx['work'], 'window_check.exe')
    subprocess.run(['x86_64-w64-mingw32-gcc', '-O1', '-Wall', '-Wextra', '-Werror', '-o', tool,
                    os.path.join(HERE, 'window_check.c')], check=True)
    in_place = '%s _?=%s' % (ctx['quiet_uninstall'], INSTALL_DIR)
    status, out = wine(ctx, tool, link['target'], link['working_dir'], in_place)
    faults = []
    if status != 0 or 'caption: Wordloft' not in out:
        faults.append('the installed game did not show its window: %s' % out.strip())
    if 'command exit code: 2\n' not in out or \
            not os.path.isfile(on_disk(ctx, INSTALL_DIR + r'\wordloft.exe')):
        faults.append('uninstalling went ahead while the game ran: %s' % out.strip())
    if not os.path.isfile(ctx['preferences']):
        faults.append('the game left no WWLT.DAT in the Windows directory')
    return faults


def check_uninstall(ctx):
    faults = []
    match = re.match(r'"([^"]+)"\s+(.*)$', ctx.get('quiet_uninstall', ''))
    if not match:
        return ['no quiet uninstall command']
    with open(ctx['preferences'], 'rb') as f:
        preferences = f.read()
    status, _ = wine(ctx, match.group(1), *match.group(2).split(), wait=True)
    if status != 0:
        faults.append('the silent uninstall ended with status %d' % status)
    left = [p for p in (INSTALL_DIR, r'C:\ProgramData\Microsoft\Windows\Start Menu\Programs'
                        r'\Wordloft', r'C:\users\Public\Desktop\Wordloft.lnk')
            if os.path.exists(on_disk(ctx, p))]
    if left:
        faults.append('left after uninstalling: %s' % ', '.join(left))
    if registry_values(ctx) is not None:
        faults.append('the uninstall entry is still there')
    left = [key for key, value in list_registration(ctx).items() if value is not None]
    if left:
        faults.append('left after uninstalling: %s' % ', '.join(left))
    try:
        with open(ctx['preferences'], 'rb') as f:
            if f.read() != preferences:
                faults.append('WWLT.DAT changed')
    except OSError:
        faults.append('the uninstall removed WWLT.DAT')
    return faults


def check_others_list_registration(ctx):
    """Installed again, and .WLT then taken by another program: the
    uninstaller leaves the extension to that program."""
    status, _ = wine(ctx, windows_path(ctx['x86'][1]), '/S', wait=True)
    if status != 0:
        return ['the second silent install ended with status %d' % status]
    wine(ctx, 'reg', 'add', LIST_EXTENSION_KEY, '/ve', '/d', 'Other.List', '/f', '/reg:64', wait=True)
    match = re.match(r'"([^"]+)"\s+(.*)$', ctx.get('quiet_uninstall', ''))
    if not match:
        return ['no quiet uninstall command']
    wine(ctx, match.group(1), *match.group(2).split(), wait=True)
    got = list_registration(ctx)
    faults = []
    if got[LIST_EXTENSION_KEY] != 'Other.List':
        faults.append('the other program\'s .WLT is now %r' % got[LIST_EXTENSION_KEY])
    if got[LIST_CLASS_KEY] is not None:
        faults.append('the uninstaller left %s' % LIST_CLASS_KEY)
    return faults


def main(argv):
    if len(argv) != 2:
        print('usage: test_dist.py BUILD-FOLDER')
        return 2
    build = os.path.abspath(argv[1])
    # The release date is the packaging's own, not one from the environment.
    os.environ.pop('SOURCE_DATE_EPOCH', None)
    work = os.path.join(build, 'dist-test')
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    started = time.time()
    ctx = {'work': work, 'version': build_dist.read_version(),
           'program32_path': os.path.join(build, 'win32', 'wordloft.exe')}
    with open(ctx['program32_path'], 'rb') as f:
        ctx['program32'] = f.read()
    ctx['x86'] = build_dist.build(ctx['program32_path'], os.path.join(work, 'x86'),
                                  os.path.join(work, 'stage'))
    print('release build took %.1f s' % (time.time() - started))

    checks = [('version', check_version), ('zip', check_zip),
              ('reproducible', check_reproducible), ('installer', check_installer)]
    under_wine = [('install', check_install), ('shortcuts', check_shortcuts),
                  ('registry', check_registry), ('game-runs', check_game_runs),
                  ('list-opens', check_list_opens), ('uninstall', check_uninstall),
                  ('others-list-kept', check_others_list_registration)]
    # The installer and the game it installs are 32-bit programs.
    support = subprocess.run([os.path.join(ROOT, 'scripts', 'win32-support.sh'), 'wine'],
                             stdout=subprocess.PIPE, text=True)
    skipped = []
    if support.returncode == 0:
        ctx['prefix'] = make_prefix(build, work)
        ctx['env'] = wine_env(ctx['prefix'])
        ctx['preferences'] = on_disk(ctx, r'C:\windows\WWLT.DAT')
        checks += under_wine
    else:
        skipped = [name for name, _ in under_wine]
    passed = failed = 0
    try:
        for name, check in checks:
            began = time.time()
            try:
                faults = check(ctx)
            except (OSError, ValueError, KeyError, struct.error, zipfile.BadZipFile,
                    subprocess.SubprocessError, build_dist.DistError) as e:
                faults = ['%s: %s' % (type(e).__name__, e)]
            print('%s %s (%.1f s)' % ('FAIL' if faults else 'PASS', name, time.time() - began))
            for fault in faults:
                print('    ' + fault)
            passed += not faults
            failed += bool(faults)
    finally:
        if 'env' in ctx:
            subprocess.run(['wineserver', '-k'], env=ctx['env'])
    for name in skipped:
        print('SKIP %s' % name)
    if skipped:
        print(support.stdout.strip())
    print('release tests took %d s' % (time.time() - started))
    print('%d passed, %d failed, %d skipped' % (passed, failed, len(skipped)))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
