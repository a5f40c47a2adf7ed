#!/usr/bin/env python3
"""Fills a .ts file from a table of source text -> translation (key "source@Context" wins).

A text said with a count (numerus) takes a pair (one, many); French says 0 and 1 in the
singular, German and Spanish only 1, which lrelease knows from the file's language."""
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
            forms = text if isinstance(text, tuple) else (text, text)
            if '%n' not in forms[0] and '%n' not in forms[1]:
                sys.exit(f'{name}: {src!r} must say %n in its translation')
            for form in forms:
                ET.SubElement(tr, 'numerusform').text = form
        else:
            tr.text = text
tree.write(ts, encoding='utf-8', xml_declaration=True)
for name, src in missing:
    print(f'missing {name}: {src!r}')
print(f'{len(missing)} missing', file=sys.stderr)
