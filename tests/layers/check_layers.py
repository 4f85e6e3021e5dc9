#!/usr/bin/env python3
"""Holds every include of the product to the targets' link graph.

CMake writes, for each product target, its folder, its sources and the targets it links
(layers.txt in the build tree). A file may include a header of its own target or of a
target it links, directly or through others, and nothing else; a target that does not
link Qt includes no Qt header. Include circles between files fail too.
Usage: check_layers.py LAYERS_TXT SOURCE_DIR"""
import os, re, sys

layers_txt, root = sys.argv[1], os.path.realpath(sys.argv[2])
build = os.path.realpath(os.path.dirname(layers_txt))
targets = {}  # name -> (sources relative to root, direct deps)
for line in open(layers_txt):
    name, folder, sources, deps = line.rstrip('\n').split('|')
    files = []
    for s in filter(None, sources.split(';')):
        p = os.path.realpath(s if os.path.isabs(s) else os.path.join(folder, s))
        if p.startswith(root + '/') and not p.startswith(build + '/') and p.endswith(('.cpp', '.h')):
            files.append(os.path.relpath(p, root))
    targets[name] = (files, [d for d in deps.split(';') if d])

owner = {}
for name, (files, _) in targets.items():
    for f in files:
        owner[f] = name

def closure(name, seen=None):
    seen = set() if seen is None else seen
    for d in targets.get(name, ((), ()))[1]:
        d = re.sub(r'^\$<LINK_ONLY:(.*)>$', r'\1', d)
        if d not in seen:
            seen.add(d)
            closure(d, seen)
    return seen

include = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
problems, graph = [], {}
for name, (files, _) in sorted(targets.items()):
    reach = closure(name) | {name}
    qt = any(d.startswith('Qt6::') for d in reach)
    for f in files:
        unit = os.path.splitext(f)[0]
        graph.setdefault(unit, set())
        for kind, inc in include.findall(open(os.path.join(root, f), encoding='utf-8').read()):
            if kind == '<':
                if inc.startswith('Q') and not qt:
                    problems.append(f'{f} includes <{inc}>, but {name} does not link Qt')
                continue
            if inc not in owner:
                if os.path.exists(os.path.join(root, inc)):
                    problems.append(f'{f} includes {inc}, which belongs to no target')
                continue
            if os.path.splitext(inc)[0] != unit:
                graph[unit].add(os.path.splitext(inc)[0])
            if owner[inc] not in reach:
                problems.append(f'{f} ({name}) includes {inc} of {owner[inc]}, which {name} does not link')

# Include circles between components: one that reaches itself.
state = {}
def visit(f, path):
    state[f] = 1
    for g in sorted(graph.get(f, ())):
        if state.get(g) == 1:
            problems.append('include circle: ' + ' -> '.join(path[path.index(g):] + [g]))
        elif g not in state:
            visit(g, path + [g])
    state[f] = 2
for f in sorted(graph):
    if f not in state:
        visit(f, [f])

for p in problems:
    print(p)
if problems:
    sys.exit(1)
print(f'includes follow the link graph ({len(owner)} files in {len(targets)} targets, no circles)')
