#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page as a screen reader gets it: Chromium's own accessibility tree,
read through its DevTools protocol after each command.

    tree_test.py PAGE_DIR [unittest options]

What the tree must hold is what the desktop program offers (tests/e2e):
the names, descriptions and tab order come from the forms' layouts
(forms/*.ui), not from the page's code. The page's server and browser are
page_test.py's."""

import os
import re
import sys
import unittest
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # no compiled page_test beside the sources
import page_test  # noqa: E402

FORMS = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'forms')


def form(name):
    """A form's layout: its title, its controls' names by object name (the
    caption without its shortcut's &, or the accessible name where one is
    given), the values' descriptions and the tab order."""
    root = ET.parse(os.path.join(FORMS, name)).getroot()
    top = root.find('widget')

    def prop(w, key):
        p = w.find("property[@name='%s']/string" % key)
        return p.text if p is not None else None
    names, rows = {}, {}
    for w in top.iter('widget'):
        if w.get('class') in ('TButton', 'TRadioButton'):
            names[w.get('name')] = prop(w, 'accessibleName') or (prop(w, 'text') or '').replace('&', '')
        elif w.get('class') == 'TLabel':
            rows[w.get('name')] = prop(w, 'accessibleDescription')
    return {'title': prop(top, 'windowTitle'), 'names': names, 'rows': rows,
            'tab': [t.text for t in root.iter('tabstop')]}


MAIN, DIALOG = form('Unit1.ui'), form('Unit2.ui')
# Read row by row, as on the desktop: the decimal value, then digits d2, d1, d0.
VALUES = [n + s for n in ('modra', 'cervena', 'zluta') for s in ('', '_1', '_2', '_3')]


class TreeTest(page_test.InBrowser, unittest.TestCase):
    # -- the tree ---------------------------------------------------------

    def tree(self):
        """The tree's nodes that a screen reader sees, in its order, each
        with the roles and names of the nodes around it."""
        nodes = self.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
        by_id = {n['nodeId']: n for n in nodes}
        seen = []

        def walk(n, around):
            node = None
            if not n.get('ignored'):
                props = {p['name']: p['value'].get('value') for p in n.get('properties', [])}
                node = {'role': n.get('role', {}).get('value'), 'name': n.get('name', {}).get('value', ''),
                        'description': n.get('description', {}).get('value', ''),
                        'checked': props.get('checked'), 'focused': props.get('focused', False),
                        'editable': props.get('editable'), 'around': around,
                        'dom': n.get('backendDOMNodeId')}
                seen.append(node)
            for c in n.get('childIds', []):
                if c in by_id:
                    walk(by_id[c], around + [(node['role'], node['name'])] if node else around)
        walk(nodes[0], [])
        return seen

    def in_window(self, role, title):
        return [n for n in self.tree() if (role, title) in n['around']]

    def focused(self):
        found = [n for n in self.tree() if n['focused'] and n['role'] != 'RootWebArea']
        return (found[-1]['role'], found[-1]['name']) if found else None

    def node(self, role, name):
        found = [n for n in self.tree() if n['role'] == role and n['name'] == name]
        if not found:
            self.fail('no %s %r in the tree' % (role, name))
        return found[0]

    def activate(self, role, name):
        """What a screen reader's own command does: the element's click()."""
        target = self.driver.execute_cdp_cmd('DOM.resolveNode', {'backendNodeId': self.node(role, name)['dom']})
        self.driver.execute_cdp_cmd('Runtime.callFunctionOn', {
            'objectId': target['object']['objectId'], 'functionDeclaration': 'function() { this.click(); }'})

    def dialog_open(self):
        self.keys('Alt+O')
        self.wait_for(lambda d: any(n['role'] == 'dialog' for n in self.tree()), 'the dialog in the tree', 10)

    # -- the tests --------------------------------------------------------

    def test_main_window_named_with_its_controls_and_values_as_text(self):
        self.command(lambda: self.keys('Alt+G'), 'Alt+G')
        inside = self.in_window('region', MAIN['title'])
        self.assertEqual(sorted(n['name'] for n in inside if n['role'] == 'button'), sorted(MAIN['names'].values()))
        # Each value its row and digit and the number its element shows, as
        # text, row by row; nothing in the window an edit field.
        self.assertEqual([n['role'] for n in inside if n['editable']], [])
        texts = [n['name'] for n in inside if n['role'] == 'StaticText'
                 and re.match(r'(modrý|červený|žlutý) .*: -?\d+$', n['name'])]
        self.assertEqual(texts, ['%s: %s' % (MAIN['rows'][v].split(': ')[0], self.text_of(v)) for v in VALUES])
        # The fixed generator's second draw, as the desktop's tests have it.
        self.assertEqual(texts[0], 'modrý operand, desítkově: 2')
        self.assertEqual(texts[4], 'červený operand, desítkově: 4')

    def test_dialog_named_and_its_radio_buttons_named_and_checked(self):
        self.dialog_open()
        inside = self.in_window('dialog', DIALOG['title'])
        self.assertNotIn('', [n['name'] for n in inside if n['role'] in ('radio', 'button')])
        self.assertEqual(sorted((n['role'], n['name']) for n in inside if n['role'] in ('radio', 'button')),
                         sorted(('radio' if k.startswith('RB') else 'button', v) for k, v in DIALOG['names'].items()))
        self.assertIn(('dialog', DIALOG['title']), self.focused_around())
        for keys, checked in (('Alt+E', 'RB2'), ('Alt+M', 'RB1')):
            with self.subTest(keys=keys):
                self.keys(keys)
                want = {DIALOG['names'][r]: str(r == checked).lower() for r in ('RB1', 'RB2')}
                self.wait_for(lambda d: {n['name']: n['checked'] for n in inside_radios(self.tree())} == want,
                              'the radio buttons checked as %s' % want, 10)

    def focused_around(self):
        found = [n for n in self.tree() if n['focused'] and n['role'] != 'RootWebArea']
        return found[-1]['around'] if found else []

    def test_focus_where_the_keyboard_is(self):
        names, tab = MAIN['names'], MAIN['tab']
        self.wait_for(lambda d: self.focused() == ('button', names[tab[0]]), 'the first control focused', 10)
        # Each step and the control that then has the keyboard: Tab in the
        # layout's order, a click moves it there, a shortcut (as on the
        # desktop) leaves it where it was.
        steps = [(lambda: self.keys('TAB'), names[tab[1]]),
                 (lambda: self.keys('TAB'), names[tab[2]]),
                 (lambda: self.click(names['Button6']), names['Button6']),
                 (lambda: self.keys('TAB'), names[tab[tab.index('Button6') + 1]]),
                 (lambda: self.keys('Alt+G'), names[tab[tab.index('Button6') + 1]])]
        for act, name in steps:
            with self.subTest(to=name):
                act()
                self.wait_for(lambda d: self.focused() == ('button', name), '%s focused' % name, 10)
        self.dialog_open()
        self.wait_for(lambda d: self.focused() == ('radio', DIALOG['names'][DIALOG['tab'][0]]),
                      'the dialog\'s first control focused', 10)

    def test_commands_run_from_the_tree(self):
        self.command(lambda: self.keys('Alt+G'), 'Alt+G')
        b, r = self.value('modra'), self.value('cervena')
        said = self.command(lambda: self.activate('button', MAIN['names']['Button3']), 'Nerovnost from the tree')
        self.assertEqual(self.value('zluta'), int(b != r), said)
        self.dialog_open()
        self.activate('radio', DIALOG['names']['RB2'])
        said = self.command(lambda: self.activate('button', DIALOG['names']['Button1']), 'Proveď from the tree')
        self.assertEqual(self.value('zluta'), -r - 1, said)


def inside_radios(tree):
    return [n for n in tree if n['role'] == 'radio' and ('dialog', DIALOG['title']) in n['around']]


if __name__ == '__main__':
    if not page_test.PAGE or not os.path.isfile(os.path.join(page_test.PAGE, 'index.html')):
        sys.exit('usage: tree_test.py PAGE_DIR (the folder with index.html)')
    unittest.main()
