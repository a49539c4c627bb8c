// Tab, known also by its place on the keyboard: WebKitGTK names Shift+Tab
// "Unidentified", after the key its toolkit makes of it.
export function isTab(event: KeyboardEvent): boolean {
  return event.key === "Tab" || event.code === "Tab";
}
