#!/usr/bin/env python3
"""Checks that the requests the core makes of the window shell are found in
one step: every group of game/requests.h and records/record_requests.h
names the file that answers it, and that file defines each request of the
group after its marker line "// ---- Requests answered here ----"; no
other file carries the marker.
"""

import os
import re
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
HEADERS = ['game/requests.h', 'records/record_requests.h']
MARKER = '// ---- Requests answered here ----'
GROUP = re.compile(r'^// ---- (.+): (\S+\.cpp) ----$')
DECLARATION = re.compile(r'^[A-Za-z_][\w:<>* ]*[\s*](\w+)\(')
PROGRAM_FOLDERS = ['app', 'platform', 'game', 'records', 'scoreboard', 'render', 'wordlists', 'access', 'install']


def read(path):
    with open(os.path.join(ROOT, path), encoding='latin-1') as f:
        return f.read()


def groups(header):
    """(title, answering file, [request names]) of each group, in order."""
    found = []
    for line in read(header).splitlines():
        group = GROUP.match(line)
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


class RequestsAreFoundInOneStep(unittest.TestCase):
    maxDiff = None

    def test_every_group_names_the_file_that_answers_it(self):
        faults = []
        for header in HEADERS:
            listed = groups(header)
            if not listed:
                faults.append('%s names no group' % header)
            for title, path, names in listed:
                if not os.path.isfile(os.path.join(ROOT, path)):
                    faults.append('%s: "%s" names %s, which does not exist' % (header, title, path))
                    continue
                text = read(path)
                if MARKER not in text:
                    faults.append('%s has no marker of its requests' % path)
                    continue
                answers = text[text.index(MARKER):]
                faults += ['%s does not answer %s after its marker' % (path, name)
                           for name in names if not defines(answers, name)]
        self.assertEqual(faults, [])

    def test_only_the_named_files_carry_the_marker(self):
        named = {path for header in HEADERS for _, path, _ in groups(header)}
        marked = set()
        for folder in PROGRAM_FOLDERS:
            for name in os.listdir(os.path.join(ROOT, folder)):
                path = folder + '/' + name
                if name.endswith('.cpp') and MARKER in read(path):
                    marked.add(path)
        self.assertEqual(sorted(marked - named), [])


if __name__ == '__main__':
    unittest.main()
