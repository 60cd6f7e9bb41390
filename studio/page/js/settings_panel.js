// The settings beside the picture: every key grouped by element, each with
// the input its kind takes, its unit, its default, and the checker's findings.
const hex = (n) => n.toString(16).padStart(2, '0');

function findingsFor(settings, key) {
  const all = settings.findings.findings ?? [];
  const out = [];
  const visit = (f) => {
    if (f.line === key.line && key.line !== null && f.file.endsWith(key.file)) out.push(f);
    (f.notes ?? []).forEach(visit);
  };
  all.forEach(visit);
  return out;
}

function element(tag, attributes = {}, ...children) {
  const e = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (name === 'class') e.className = value;
    else if (name.startsWith('on')) e.addEventListener(name.slice(2), value);
    else e.setAttribute(name, value);
  }
  for (const child of children) e.append(child);
  return e;
}

function numberInput(value, onChange, label) {
  return element('input', {type: 'number', step: 'any', value, 'aria-label': label,
    onchange: (event) => onChange(event.target.value)});
}

// The colour as written, and as the element puts it on screen.
function colourInput(key, onEdit) {
  const [r = 0, g = 0, b = 0, a = 255] = key.value.split(/\s+/).map(Number);
  const drawn = key.drawn === 'r b g' ? [r, b, g] : [r, g, b];
  const picker = element('input', {type: 'color', value: `#${hex(r)}${hex(g)}${hex(b)}`, 'aria-label': key.name});
  const opacity = element('input', {type: 'number', min: 0, max: 255, step: 1, value: a, 'aria-label': `${key.name} opacity`});
  const send = () => {
    const c = picker.value;
    onEdit(`${parseInt(c.slice(1, 3), 16)} ${parseInt(c.slice(3, 5), 16)} ${parseInt(c.slice(5, 7), 16)} ${opacity.value}`);
  };
  picker.addEventListener('change', send);
  opacity.addEventListener('change', send);
  const swatch = element('span', {class: 'swatch', title: 'as drawn',
    style: `background: rgba(${drawn.join(',')},${a / 255})`, 'data-drawn': drawn.join(' ')});
  const note = key.drawn === 'r b g' ? element('span', {class: 'note'}, 'drawn with green and blue exchanged') : '';
  return element('span', {class: 'colour'}, picker, opacity, swatch, note);
}

function inputFor(key, onEdit) {
  if (key.kind === 'colour') return colourInput(key, onEdit);
  if (key.kind === 'flag') {
    const box = element('input', {type: 'checkbox', 'aria-label': key.name, onchange: (e) => onEdit(e.target.checked ? '1' : '0')});
    box.checked = key.value === 'true' || key.value === '1';
    return box;
  }
  if (key.kind === 'pair') {
    const [first, second] = key.value.split(/\s+/);
    const a = numberInput(first, () => onEdit(`${a.value} ${b.value}`), `${key.name} first`);
    const b = numberInput(second, () => onEdit(`${a.value} ${b.value}`), `${key.name} second`);
    return element('span', {class: 'pair'}, a, b);
  }
  return numberInput(key.value, onEdit, key.name);
}

function keyRow(settings, key, onEdit) {
  const findings = findingsFor(settings, key);
  // An input taken away by the last rendering may still report a change; and
  // a value that is already written needs no write.
  let sent = key.written;
  const send = (value) => {
    if (value !== sent) onEdit(key, (sent = value));
  };
  const row = element('div', {class: 'key', 'data-key': key.name},
    element('label', {}, key.name),
    inputFor(key, (value) => row.isConnected && send(value)),
    element('span', {class: 'unit'}, key.unit),
    element('span', {class: 'default'}, `default ${key.default}`));
  if (key.written !== null && key.written !== key.value) {
    row.append(element('span', {class: 'written'}, `written "${key.written}"`));
  }
  for (const f of findings) row.append(element('div', {class: `finding ${f.severity}`}, f.message));
  return row;
}

// `open` holds the groups the user opened; it lasts across renderings, so an
// edit that renders the panel again leaves it as it was.
export function renderSettings(container, settings, selected, onEdit, open) {
  container.replaceChildren();
  const groups = new Map();
  for (const key of settings.keys) {
    if (!groups.has(key.group)) groups.set(key.group, []);
    groups.get(key.group).push(key);
  }
  const names = [...groups.keys()].sort((a, b) => (a === selected ? -1 : b === selected ? 1 : 0));
  for (const name of names) {
    const section = element('details', {class: 'group', 'data-group': name},
      element('summary', {}, name), ...groups.get(name).map((key) => keyRow(settings, key, onEdit)));
    section.open = name === selected || open.has(name);
    section.addEventListener('toggle', () => (section.open ? open.add(name) : open.delete(name)));
    container.append(section);
  }
}
