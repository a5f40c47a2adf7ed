#!/usr/bin/env python3
"""Fills a .ts file from a table of source text -> translation (key "source@Context" wins)."""
import importlib.util, sys, xml.etree.ElementTree as ET

ts, table = sys.argv[1], sys.argv[2]
spec = importlib.util.spec_from_file_location('table', table)
mod = importlib.util.module_from_spec(spec)
spec.loader.exec_module(mod)
T = mod.T
tree = ET.parse(ts)
missing = []
for ctx in tree.getroot().findall('context'):
    name = ctx.find('name').text
    for m in ctx.findall('message'):
        src = m.find('source').text
        text = T.get(src + '@' + name, T.get(src))
        tr = m.find('translation')
        if text is None:
            missing.append((name, src))
            continue
        tr.attrib.pop('type', None)
        if m.get('numerus') == 'yes':
            for f in list(tr):
                tr.remove(f)
            for _ in range(2):
                ET.SubElement(tr, 'numerusform').text = text
        else:
            tr.text = text
tree.write(ts, encoding='utf-8', xml_declaration=True)
for name, src in missing:
    print(f'missing {name}: {src!r}')
print(f'{len(missing)} missing', file=sys.stderr)
