#!/usr/bin/env python3
"""Checks that the program's includes run downward only:

- app/ is the top: no file outside app/ includes an app/ header;
- platform/ is the Win32 base under every feature folder: it includes
  only platform/ headers, resource.h and headers of the portable core;
- the portable core (the files the sources.cmake lists name core
  sources, and the headers beside them) includes no Win32 header and no
  header of the window shell.

A header counts as part of the core when it includes no Win32 header,
directly or through another project header, and the source file of the
same name, where there is one, is a core source.
"""

import os
import re
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
FOLDERS = ['app', 'platform', 'game', 'records', 'render', 'wordlists', 'install', 'access']
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
# The C library's headers; the C++ library's have no extension. Any other
# header in angle brackets is the platform's.
C_HEADERS = {'assert.h', 'ctype.h', 'errno.h', 'limits.h', 'math.h', 'stdarg.h', 'stddef.h',
             'stdint.h', 'stdio.h', 'stdlib.h', 'string.h', 'time.h'}


def read(path):
    with open(os.path.join(ROOT, path), encoding='latin-1') as f:
        return f.read()


def includes(path):
    """(angle, name) of every include of a project file."""
    return [(kind == '<', name) for kind, name in INCLUDE.findall(read(path))]


def is_platform_header(name):
    return name.endswith('.h') and name not in C_HEADERS


def source_files():
    files = []
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if name.endswith(('.cpp', '.h')):
                files.append(folder + '/' + name)
    return files


def core_sources():
    listed = set()
    for folder in FOLDERS:
        text = read(folder + '/sources.cmake')
        for block in re.findall(r'list\(APPEND WORDLOFT_CORE_SOURCES(.*?)\)', text, re.S):
            listed.update(block.split())
    return listed


class Layout:
    def __init__(self):
        self.files = source_files()
        self.core_sources = core_sources()
        self._win32 = {}

    def uses_win32(self, path, seen=()):
        """Whether a file includes a Win32 header, itself or through the
        project headers it includes."""
        if path in self._win32:
            return self._win32[path]
        result = False
        for angle, name in includes(path):
            if angle and is_platform_header(name):
                result = True
            elif not angle and name in self.files and name not in seen:
                result = result or self.uses_win32(name, seen + (path,))
        self._win32[path] = result
        return result

    def is_core(self, path):
        if path.endswith('.cpp'):
            return path in self.core_sources
        source = path[:-2] + '.cpp'
        if source in self.files and source not in self.core_sources:
            return False
        return not self.uses_win32(path)


class IncludesRunDownward(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.layout = Layout()

    def project_includes(self, path):
        return [name for angle, name in includes(path) if not angle]

    def test_nothing_below_app_includes_app(self):
        faults = ['%s includes %s' % (path, name)
                  for path in self.layout.files if not path.startswith('app/')
                  for name in self.project_includes(path) if name.startswith('app/')]
        self.assertEqual(faults, [])

    def test_platform_stands_on_the_core_only(self):
        faults = ['%s includes %s' % (path, name)
                  for path in self.layout.files if path.startswith('platform/')
                  for name in self.project_includes(path)
                  if not (name.startswith('platform/') or name == 'resource.h'
                          or name in self.layout.files and self.layout.is_core(name))]
        self.assertEqual(faults, [])

    def test_the_core_includes_no_window_shell(self):
        faults = []
        for path in self.layout.files:
            if not (path.endswith('.cpp') and self.layout.is_core(path)):
                continue
            for angle, name in includes(path):
                if angle and is_platform_header(name):
                    faults.append('%s includes <%s>' % (path, name))
                elif not angle and name in self.layout.files and not self.layout.is_core(name):
                    faults.append('%s includes the shell header %s' % (path, name))
        self.assertEqual(faults, [])


if __name__ == '__main__':
    unittest.main()
