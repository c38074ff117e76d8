#!/usr/bin/env python3
"""Sets the bench rows of several programs side by side.

    side_by_side.py LABEL=ROWS-FILE [LABEL=ROWS-FILE ...]

Each ROWS-FILE holds what wordloft_bench.exe printed for one program:
tab-separated FIGURE and INFO rows, and plain lines for anything it could
not measure. Prints one table: per figure its goal, then for each program
min / median / max and whether the goal was met; the INFO rows (the
absolute times behind a ratio) are indented under their figure. The plain
lines follow, named by program. Exits 1 when a program left a figure
unmeasured or printed no rows at all.
"""

import sys


def read_rows(path):
    rows, notes = {}, []
    try:
        with open(path, encoding='utf-8', errors='replace') as f:
            lines = f.read().replace('\r', '').splitlines()
    except OSError as e:
        return rows, ['cannot read %s: %s' % (path, e)]
    for line in lines:
        fields = line.split('\t')
        if fields[0] in ('FIGURE', 'INFO') and len(fields) >= 7:
            rows[fields[1]] = fields
        elif line.strip():
            notes.append(line)
    return rows, notes


def number(value):
    """Three significant figures or more, without an exponent."""
    return '%.0f' % value if abs(value) >= 100 else '%.3g' % value


def cell(fields):
    if fields is None:
        return 'not run'
    text = ' / '.join(number(float(v)) for v in fields[4:7])
    if fields[0] == 'FIGURE':
        text += '  ' + (fields[7] if fields[8] != '0' else 'NOT MEASURED')
    return text


def main(argv):
    programs = []
    for argument in argv:
        label, _, path = argument.partition('=')
        programs.append((label,) + read_rows(path))
    if not programs:
        print(__doc__.strip())
        return 2
    # Every program measures the same figures in the same order; the first
    # program that printed rows gives the order.
    order = next((list(rows) for _, rows, _ in programs if rows), [])
    width = 30
    print('%-46s %-9s' % ('figure (yardstick)', 'goal') +
          ''.join(' %-*s' % (width, label + ': min / median / max') for label, _, _ in programs))
    for name in order:
        kind = next(rows[name][0] for _, rows, _ in programs if name in rows)
        first = next(rows[name] for _, rows, _ in programs if name in rows)
        title = name if kind == 'FIGURE' else '  ' + name
        goal = first[2] if kind == 'FIGURE' else ''
        unit = ' (%s)' % first[3] if first[3] else ''
        print('%-46s %-9s' % (title + unit, goal) +
              ''.join(' %-*s' % (width, cell(rows.get(name))) for _, rows, _ in programs))
    complete = bool(order)
    for label, rows, notes in programs:
        for note in notes:
            print('%s: %s' % (label, note))
        unmeasured = [n for n, f in rows.items() if f[0] == 'FIGURE' and f[8] == '0']
        complete &= bool(rows) and not unmeasured
    return 0 if complete else 1


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
