"""Holds each program to the oldest Windows it promises: the 32-bit
program to Windows XP SP3, the 64-bit one to Windows XP x64 / Server 2003.
Every function it imports when it starts, and every function the lists
of the DLLs it loads at their first call name (cmake/delay-load/*.def),
must be in the reviewed table of system_functions.py with an oldest
Windows no later than the program's. Windows XP's loader refuses a
program that imports a function its DLLs lack, before the program runs.

    python3 tests/assets/check_imports.py build/win32/wordloft.exe build/win64/wordloft.exe

Prints one summary line per program; exits 1 with a message per fault."""

import glob
import os
import re
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import pe_resources  # noqa: E402
import system_functions  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(HERE))
# The oldest Windows of each program, by its PE machine.
OLDEST = {0x14C: ('32-bit', (5, 1, 3)), 0x8664: ('64-bit', (5, 2))}


def delay_loaded():
    """[(dll, [function...])] of the delay-load lists, without the 32-bit
    decoration."""
    found = []
    for path in sorted(glob.glob(os.path.join(ROOT, 'cmake', 'delay-load', '*.def'))):
        with open(path) as f:
            text = f.read()
        library = re.search(r'^LIBRARY\s+(\S+)', text, re.M)
        names = re.findall(r'^([A-Za-z_]\w*)@\d+\s*$', text, re.M)
        found.append(((library.group(1) if library else os.path.basename(path)).lower(), names))
    return found


def version_name(version):
    return system_functions.VERSION_NAMES.get(version, '.'.join(map(str, version)))


def check(imported, oldest, how, faults):
    count = 0
    for dll, functions in imported:
        table = system_functions.FUNCTIONS.get(dll)
        for function in functions:
            count += 1
            if table is None:
                faults.append('%s!%s (%s): %s is not a reviewed system DLL' % (dll, function, how, dll))
            elif function not in table:
                faults.append('%s!%s (%s) is not in the reviewed table of system_functions.py'
                              % (dll, function, how))
            elif table[function][1] > oldest:
                faults.append('%s!%s (%s) needs %s' % (dll, function, how, version_name(table[function][1])))
    return count


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    failed = False
    for path in argv[1:]:
        try:
            with open(path, 'rb') as f:
                data = f.read()
            bits, oldest = OLDEST[pe_resources.machine(data)]
            imported = pe_resources.imports(data)
        except (OSError, KeyError, pe_resources.PeError, struct.error, ValueError) as e:
            print('check_imports: cannot read %s: %s' % (path, e))
            failed = True
            continue
        faults = []
        at_start = check(imported, oldest, 'at start', faults)
        at_first_call = check(delay_loaded(), oldest, 'at its first call', faults)
        for fault in faults:
            print('FAULT: the %s program, for %s: %s' % (bits, version_name(oldest), fault))
        print('check_imports: the %s program: %d functions at start, %d at their first call, checked for %s; '
              '%d faults' % (bits, at_start, at_first_call, version_name(oldest), len(faults)))
        failed = failed or bool(faults)
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
