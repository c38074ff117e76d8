"""Checks the manifest linked into each program (RT_MANIFEST, id 1): it asks
for Common Controls 6, declares per-monitor DPI awareness (PerMonitorV2
first, then PerMonitor, and the older per-monitor form that earlier Windows
reads as system aware), and requests no execution level, so that Windows
treats the 32-bit program as a legacy program and redirects its writes to
the Windows directory per user.

    python3 tests/assets/check_manifest.py PROGRAM.exe...

Prints one line per program and "N passed, M failed"."""

import os
import struct
import sys
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pe_resources  # noqa: E402

RT_MANIFEST = 24


def local(tag):
    return tag.rsplit('}', 1)[-1]


def dpi_faults(elements):
    """The DPI declarations: each once, inside application/windowsSettings."""
    expected = {'dpiAware': ['true/pm'], 'dpiAwareness': ['permonitorv2', 'permonitor']}
    parents = {child: parent for parent in elements for child in parent}
    faults = []
    for name, values in expected.items():
        found = [e for e in elements if local(e.tag) == name]
        if len(found) != 1:
            faults.append('%d %s elements, expected 1' % (len(found), name))
            continue
        got = [v.strip().lower() for v in (found[0].text or '').split(',')]
        if got != values:
            faults.append('%s is %r, expected %s' % (name, found[0].text, ', '.join(values)))
        parent = parents.get(found[0])
        grand = parents.get(parent) if parent is not None else None
        if parent is None or local(parent.tag) != 'windowsSettings' or grand is None \
                or local(grand.tag) != 'application':
            faults.append('%s is not inside application/windowsSettings' % name)
    return faults


def manifest_faults(path):
    with open(path, 'rb') as f:
        res = pe_resources.read_resources(f.read())
    blob = res.get(RT_MANIFEST, {}).get(1)
    if blob is None:
        return ['no manifest resource with id 1']
    root = ElementTree.fromstring(blob)
    faults = []
    elements = list(root.iter())
    names = [local(e.tag) for e in elements]
    for unwanted in ('trustInfo', 'requestedExecutionLevel', 'requestedPrivileges'):
        if unwanted in names:
            faults.append('the manifest has %s' % unwanted)
    faults += dpi_faults(elements)
    controls = [e for e in elements if local(e.tag) == 'assemblyIdentity'
                and e.get('name') == 'Microsoft.Windows.Common-Controls']
    if len(controls) != 1:
        faults.append('%d Common Controls dependencies, expected 1' % len(controls))
    elif not (controls[0].get('version') or '').startswith('6.'):
        faults.append('Common Controls version %s, expected 6' % controls[0].get('version'))
    elif local(root.tag) != 'assembly':
        faults.append('the root element is %s' % local(root.tag))
    return faults


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    passed = failed = 0
    for path in argv[1:]:
        try:
            faults = manifest_faults(path)
        except (OSError, pe_resources.PeError, struct.error, ElementTree.ParseError) as e:
            faults = ['cannot read it: %s' % e]
        for fault in faults:
            print('FAULT %s: %s' % (path, fault))
        if faults:
            failed += 1
        else:
            passed += 1
            print('ok %s: Common Controls 6, no execution level, per-monitor DPI aware' % path)
    print('%d passed, %d failed' % (passed, failed))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
