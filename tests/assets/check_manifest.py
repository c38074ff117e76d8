"""Checks the manifest linked into each program (RT_MANIFEST, id 1): it asks
for Common Controls 6, declares per-monitor DPI awareness (PerMonitorV2
first, then PerMonitor, and the older per-monitor form that earlier Windows
reads as system aware), runs as its invoker (requestedExecutionLevel
asInvoker, no UI access: Windows then neither elevates it nor redirects its
writes into a VirtualStore), and names every Windows from Vista to 10 and 11
as supported, so that the version calls tell the truth.

    python3 tests/assets/check_manifest.py PROGRAM.exe...

Prints one line per program and "N passed, M failed"."""

import os
import struct
import sys
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pe_resources  # noqa: E402

RT_MANIFEST = 24
SUPPORTED_OS = {
    '{e2011457-1546-43c5-a5fe-008deee3d3f0}': 'Windows Vista',
    '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}': 'Windows 7',
    '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}': 'Windows 8',
    '{1f676c76-80e1-4239-95bb-83d0f6d0da78}': 'Windows 8.1',
    '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}': 'Windows 10 and 11',
}


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
    levels = [e for e in elements if local(e.tag) == 'requestedExecutionLevel']
    if [(e.get('level'), e.get('uiAccess', 'false')) for e in levels] != [('asInvoker', 'false')]:
        faults.append('execution levels %r, expected asInvoker without UI access'
                      % [(e.get('level'), e.get('uiAccess')) for e in levels])
    systems = [e.get('Id', '').lower() for e in elements if local(e.tag) == 'supportedOS']
    missing = [name for guid, name in SUPPORTED_OS.items() if guid not in systems]
    if missing or len(systems) != len(set(systems)) or not set(systems) <= set(SUPPORTED_OS):
        faults.append('supportedOS %r: missing %s' % (systems, ', '.join(missing) or 'none'))
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
            print('ok %s: Common Controls 6, asInvoker, supports Vista to 10 and 11, '
                  'per-monitor DPI aware' % path)
    print('%d passed, %d failed' % (passed, failed))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
