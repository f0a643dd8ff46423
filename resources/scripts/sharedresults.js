// Shared-result marks, page side. Runs in the program's isolated world, so
// the page can neither call nor see it; the program drives it: links() lists
// the page's links, mark(values) gives each listed link its mark ("" for
// none). A mark is the link's data-varnesk-also attribute and a small pill in
// a layer of its own above the page, so the page's layout does not move.
var varneskShared = (() => {
  const attribute = 'data-varnesk-also';
  let listed = [];
  const marked = new Map();  // link -> pill
  let layer = null;
  let watching = false;

  function links() {
    listed = Array.from(document.querySelectorAll('a[href]'));
    return [location.hostname, listed.map(a => a.href)];
  }

  // Where a pill goes: after the first line of the link's text (its image
  // when it has none).
  function anchor(a) {
    const walker = document.createTreeWalker(a, NodeFilter.SHOW_TEXT,
        {acceptNode: n => n.data.trim() ? NodeFilter.FILTER_ACCEPT : NodeFilter.FILTER_SKIP});
    const range = document.createRange();
    if (walker.nextNode()) range.selectNodeContents(walker.currentNode); else range.selectNode(a);
    const rect = Array.from(range.getClientRects()).find(r => r.width || r.height);
    return rect && a.getClientRects().length ? rect : null;
  }

  // The layer covers the page's own scrollable area and clips to it, so the
  // pills never make the page wider or longer.
  function place() {
    if (!layer) return;
    layer.style.width = layer.style.height = '0';
    const root = document.documentElement;
    const width = root.scrollWidth;
    const height = root.scrollHeight;
    const spots = Array.from(marked, ([a, pill]) => [pill, anchor(a)]);
    layer.style.width = width + 'px';
    layer.style.height = height + 'px';
    for (const [pill, rect] of spots) {
      pill.style.display = rect ? 'block' : 'none';
      if (!rect) continue;
      pill.style.left = Math.max(0, Math.min(rect.right + 4 + scrollX, width - 20)) + 'px';
      pill.style.top = rect.top + (rect.height - 14) / 2 + scrollY + 'px';
    }
  }

  // Pills are placed before the next frame is drawn, once for any number of
  // changes, so marking costs the page no extra layout.
  let placing = false;
  function placeSoon() {
    if (placing) return;
    placing = true;
    requestAnimationFrame(() => { placing = false; place(); });
  }

  function ensureLayer() {
    if (layer && layer.isConnected) return;
    layer = document.createElement('varnesk-marks');
    layer.style.cssText = 'all:initial;position:absolute;left:0;top:0;width:0;height:0;' +
        'overflow:hidden;z-index:2147483647;pointer-events:none';
    document.documentElement.appendChild(layer);
    for (const p of marked.values()) layer.appendChild(p);
    if (watching) return;
    watching = true;
    addEventListener('resize', placeSoon);
    new ResizeObserver(placeSoon).observe(document.documentElement);
  }

  function pill() {
    const p = document.createElement('varnesk-mark');
    p.style.cssText = 'all:initial;position:absolute;box-sizing:border-box;min-width:14px;height:14px;' +
        'padding:0 4px;border-radius:7px;background:#7f97b8;color:#fff;opacity:.85;' +
        'font:600 10px/14px sans-serif;text-align:center;pointer-events:auto;cursor:default';
    layer.appendChild(p);
    return p;
  }

  function mark(values) {
    const wanted = new Map();
    listed.forEach((a, i) => { if (values[i] && a.isConnected) wanted.set(a, values[i]); });
    for (const [a, p] of marked) {
      if (wanted.has(a)) continue;
      a.removeAttribute(attribute);
      p.remove();
      marked.delete(a);
    }
    if (wanted.size) ensureLayer();
    for (const [a, also] of wanted) {
      a.setAttribute(attribute, also);
      if (!marked.has(a)) marked.set(a, pill());
      const p = marked.get(a);
      const names = also.split(' ');
      p.textContent = String(names.length + 1);
      p.title = 'Also on ' + names.join(' and ');
    }
    placeSoon();
    return marked.size;
  }

  return {links, mark};
})();
