#!/usr/bin/env python3
"""Checks that the program's includes run downward only:

- app/ is the top: no file outside app/ includes an app/ header;
- platform/ is the Win32 base under every feature folder: it includes
  only platform/ headers, resource.h and headers of the portable core;
- the portable core (the files the sources.cmake lists name core
  sources, the headers beside them, and the headers they include)
  includes no Win32 header and no header of the window shell;
- records/, the stored record everything reads, is core alone and the
  bottom of the core: it includes nothing of another folder but the
  resource ids;
- game/, the rules, stands on the record alone: it includes no feature
  folder;
- the requests the core makes of the window shell are found in one step:
  every group of game/requests.h and records/record_requests.h names the
  file that answers it, which defines each request of the group after its
  marker line "// ---- Requests answered here ----"; no other file
  carries the marker.

The folders are the ones the top CMakeLists.txt includes the
sources.cmake of. An include counts as the project's own when it names a
file of the project, whichever brackets it uses, looked up as the
compiler does: beside the including file, then in the include
directories of the build (the top folder and resources/). Any other
header in angle brackets is the platform's, except the C and C++
libraries' own.

A header counts as part of the core when the source file of the same
name is a core source, or, where it has none, when it includes no Win32
header, directly or through another project header.
"""

import os
import re
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
INCLUDE_DIRECTORIES = ['', 'resources']
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
# The C library's headers; the C++ library's have no extension.
C_HEADERS = {'assert.h', 'ctype.h', 'errno.h', 'limits.h', 'math.h', 'stdarg.h', 'stddef.h',
             'stdint.h', 'stdio.h', 'stdlib.h', 'string.h', 'time.h'}


def read(path):
    with open(os.path.join(ROOT, path), encoding='latin-1') as f:
        return f.read()

REQUEST_HEADERS = ['game/requests.h', 'records/record_requests.h']
REQUEST_MARKER = '// ---- Requests answered here ----'
REQUEST_GROUP = re.compile(r'^// ---- (.+): (\S+\.cpp) ----$')
DECLARATION = re.compile(r'^[A-Za-z_][\w:<>* ]*[\s*](\w+)\(')


def request_groups(header):
    """(title, answering file, [request names]) of each group, in order."""
    found = []
    for line in read(header).splitlines():
        group = REQUEST_GROUP.match(line)
        if group:
            found.append((group.group(1), group.group(2), []))
        elif found and not line.startswith(('//', '#')):
            declared = DECLARATION.match(line)
            if declared:
                found[-1][2].append(declared.group(1))
    return found


def defines(text, name):
    """A definition, not a declaration: its line opens the body or does not
    end the statement."""
    return re.search(r'^[A-Za-z_][\w:<>* ]*[\s*]' + name + r'\((?:[^\n]*\{|[^\n;]*$)', text, re.M) is not None


def program_folders():
    """The folders whose sources.cmake the top CMakeLists.txt includes."""
    text = read('CMakeLists.txt')
    match = re.search(r'foreach\(folder\s+([^)]*)\)\s*include\(\$\{folder\}/sources\.cmake\)', text)
    if not match:
        raise AssertionError('CMakeLists.txt names no folders of sources.cmake files')
    return match.group(1).split()


def source_files(folders):
    files = []
    for folder in folders:
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if name.endswith(('.cpp', '.h')):
                files.append(folder + '/' + name)
    return files


def core_sources(folders):
    listed = set()
    for folder in folders:
        text = read(folder + '/sources.cmake')
        for block in re.findall(r'list\(APPEND WORDLOFT_CORE_SOURCES(.*?)\)', text, re.S):
            listed.update(block.split())
    return listed


def resolve(path, name):
    """The project file an include of path names, relative to the top
    folder; None when it names none."""
    places = [os.path.dirname(path)] + INCLUDE_DIRECTORIES
    for place in places:
        candidate = os.path.normpath(os.path.join(place, name)).replace(os.sep, '/')
        if not candidate.startswith('..') and os.path.isfile(os.path.join(ROOT, candidate)):
            return candidate
    return None


def is_platform_header(name):
    return name.endswith('.h') and name not in C_HEADERS


class Layout:
    def __init__(self):
        self.folders = program_folders()
        self.files = source_files(self.folders)
        self.core_sources = core_sources(self.folders)
        self._win32 = {}

    def includes(self, path):
        """(project file or None, bracketed, name) of every include."""
        return [(resolve(path, name), kind == '<', name) for kind, name in INCLUDE.findall(read(path))]

    def project_includes(self, path):
        return [(own, name) for own, _, name in self.includes(path) if own]

    def platform_includes(self, path):
        return [name for own, angle, name in self.includes(path) if not own and angle and is_platform_header(name)]

    def uses_win32(self, path, seen=()):
        """Whether a file includes a Win32 header, itself or through the
        project headers it includes."""
        if path in self._win32:
            return self._win32[path]
        result = bool(self.platform_includes(path))
        for own, _ in self.project_includes(path):
            if own not in seen:
                result = self.uses_win32(own, seen + (path,)) or result
        self._win32[path] = result
        return result

    def is_core(self, path):
        if path.endswith('.cpp'):
            return path in self.core_sources
        source = path[:-2] + '.cpp'
        if source in self.files:
            return source in self.core_sources
        return not self.uses_win32(path)


class IncludesRunDownward(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.layout = Layout()

    def test_the_build_names_every_program_folder(self):
        unlisted = [name for name in sorted(os.listdir(ROOT))
                    if os.path.isfile(os.path.join(ROOT, name, 'sources.cmake'))
                    and name not in self.layout.folders]
        self.assertEqual(unlisted, [])

    def test_the_record_is_core_alone(self):
        shell = [path for path in self.layout.files
                 if path.startswith('records/') and not self.layout.is_core(path)]
        self.assertEqual(shell, [])

    def only_own_and(self, folder, allowed):
        """The includes of folder's files that name neither folder's own
        headers, nor a folder allowed, nor the resource ids."""
        return ['%s includes %s' % (path, name)
                for path in self.layout.files if path.startswith(folder)
                for own, name in self.layout.project_includes(path)
                if not (own.startswith((folder,) + allowed) or own == 'resources/resource.h')]

    def test_the_record_stands_on_nothing_above_it(self):
        self.assertEqual(self.only_own_and('records/', ()), [])

    def test_the_game_includes_no_feature_folder(self):
        self.assertEqual(self.only_own_and('game/', ('records/',)), [])

    def test_nothing_below_app_includes_app(self):
        faults = ['%s includes %s' % (path, name)
                  for path in self.layout.files if not path.startswith('app/')
                  for own, name in self.layout.project_includes(path) if own.startswith('app/')]
        self.assertEqual(faults, [])

    def test_platform_stands_on_the_core_only(self):
        faults = ['%s includes %s' % (path, name)
                  for path in self.layout.files if path.startswith('platform/')
                  for own, name in self.layout.project_includes(path)
                  if not (own.startswith('platform/') or own == 'resources/resource.h'
                          or self.layout.is_core(own))]
        self.assertEqual(faults, [])

    def test_the_core_includes_no_window_shell(self):
        faults = []
        for path in self.layout.files:
            if not self.layout.is_core(path):
                continue
            faults += ['%s includes <%s>' % (path, name) for name in self.layout.platform_includes(path)]
            faults += ['%s includes the shell header %s' % (path, name)
                       for own, name in self.layout.project_includes(path) if not self.layout.is_core(own)]
        self.assertEqual(faults, [])

    def test_every_request_group_names_the_file_that_answers_it(self):
        faults = []
        for header in REQUEST_HEADERS:
            groups = request_groups(header)
            if not groups:
                faults.append('%s names no group' % header)
            for title, path, names in groups:
                if path not in self.layout.files:
                    faults.append('%s: "%s" names %s, which is no program file' % (header, title, path))
                    continue
                text = read(path)
                if REQUEST_MARKER not in text:
                    faults.append('%s has no marker of its requests' % path)
                    continue
                answers = text[text.index(REQUEST_MARKER):]
                faults += ['%s does not answer %s after its marker' % (path, name)
                           for name in names if not defines(answers, name)]
        self.assertEqual(faults, [])

    def test_only_the_named_files_carry_the_request_marker(self):
        named = {path for header in REQUEST_HEADERS for _, path, _ in request_groups(header)}
        marked = {path for path in self.layout.files if path.endswith('.cpp') and REQUEST_MARKER in read(path)}
        self.assertEqual(sorted(marked - named), [])


if __name__ == '__main__':
    unittest.main()
